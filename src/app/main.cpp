#include "app/listing_command.h"
#include "app/main_window.h"
#include "app/report_command.h"
#include "app/screenshots.h"
#include "app/start_up.h"
#include "platform/program_folder.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_text_area.h"
#include "platform/qt/screen_metrics.h"
#include "platform/qt/single_copy_lock.h"
#include "report/program.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>
#include <cstring>

namespace {

using namespace velmaris;

// velmaris --report [YYYY-MM-DD]: the page on standard output, no window, no display needed.
int ReportMain(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(2);
    platform::SystemClock clock;
    platform::LocaleRegionalSettings regional;
    QFile standardOutput;
    if (!standardOutput.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return app::kReportFailed;
    }
    QTextStream out(&standardOutput);
    QTextStream err(stderr);
    return app::RunReport(arguments, {clock, regional, platform::ProgramFolder()}, out, err);
}

// velmaris --transits FROM TO [...]: the transit windows of a period, no display needed.
int ListingMain(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(2);
    platform::SystemClock clock;
    platform::LocaleRegionalSettings regional;
    QFile standardOutput;
    if (!standardOutput.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return app::kListingFailed;
    }
    QTextStream out(&standardOutput);
    QTextStream err(stderr);
    return app::RunListing(arguments, {clock, regional, platform::ProgramFolder()}, out, err);
}

// The windowed program; with "--screenshot FOLDER" it saves pictures of its windows and ends.
int WindowMain(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype screenshotAt = arguments.indexOf(QStringLiteral("--screenshot"));
    const QString screenshotFolder = screenshotAt >= 0 && screenshotAt + 1 < arguments.size()
                                         ? arguments[screenshotAt + 1]
                                         : QString();

    const QString folder = platform::ProgramFolder();
    // Pictures are taken with nobody at the screen: messages go to standard error instead of
    // waiting for an OK that never comes.
    QTextStream err(stderr);
    platform::StreamMessageBoxes streamMessages(err);
    platform::QtMessageBoxes boxes;
    platform::MessageBoxes& messages =
        screenshotAt >= 0 ? static_cast<platform::MessageBoxes&>(streamMessages) : boxes;
    platform::SingleCopyLock lock(folder);
    // Where no lock can be made (a read-only program folder) the program still runs: it can
    // then write nothing there, and says so when the settings cannot be written at exit.
    if (lock.TryAcquire() == platform::LockOutcome::HeldByAnotherCopy) {
        messages.Show(app::kSecondCopyText, app::kSecondCopyTitle,
                      platform::MessageStyle::Critical);
        return 1;
    }

    platform::SystemClock clock;
    platform::LocaleRegionalSettings regional;
    platform::QtTextArea textArea;
    platform::QtScreenMetrics screen;
    platform::QtFontCatalog fonts;
    domain::Program program({clock, regional, messages, textArea, folder});
    const app::MainWindowServices services{program, clock, messages, textArea, screen, fonts};
    app::MainWindow window(services);
    boxes.SetParent(&window);
    window.StartUp();
    window.show();
    if (screenshotAt >= 0) {
        window.UpdateCaption();
        const bool saved = app::SaveScreenshots(
            window, services, screenshotFolder.isEmpty() ? QStringLiteral(".") : screenshotFolder);
        return saved ? 0 : 1;
    }
    return application.exec();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "--report") == 0) {
        return ReportMain(argc, argv);
    }
    if (argc >= 2 && std::strcmp(argv[1], "--transits") == 0) {
        return ListingMain(argc, argv);
    }
    return WindowMain(argc, argv);
}
