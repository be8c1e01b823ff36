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

#include <array>
#include <cstdio>
#include <cstring>

namespace {

using namespace velmaris;

// A command that needs no display: the arguments after its name, the clock, the regional
// settings and the program folder, with standard output opened so that a lost write shows.
template <typename Services, typename Run>
int HeadlessMain(int argc, char** argv, int failedStatus, Run run) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(2);
    platform::SystemClock clock;
    platform::LocaleRegionalSettings regional;
    QFile standardOutput;
    if (!standardOutput.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return failedStatus;
    }
    QTextStream out(&standardOutput);
    QTextStream err(stderr);
    return run(arguments, Services{clock, regional, platform::ProgramFolder()}, out, err);
}

// velmaris --report [YYYY-MM-DD]: the page on standard output.
int ReportMain(int argc, char** argv) {
    return HeadlessMain<app::ReportCommandServices>(argc, argv, app::kReportFailed, app::RunReport);
}

// velmaris --transits FROM TO [...]: the transit windows of a period.
int ListingMain(int argc, char** argv) {
    return HeadlessMain<app::ListingCommandServices>(argc, argv, app::kListingFailed,
                                                     app::RunListing);
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

// The commands the program understands, each with the routine that runs it. A command that
// needs no display runs without one.
struct Command {
    const char* name;
    int (*run)(int argc, char** argv);
};

constexpr std::array kCommands{
    Command{"--report", ReportMain},
    Command{"--transits", ListingMain},
    Command{"--screenshot", WindowMain},
};

constexpr const char* kUsage =
    "Usage: velmaris [COMMAND]\n"
    "Without a command the program opens its window.\n"
    "\n"
    "Commands:\n"
    "  --report [YYYY-MM-DD]       the page of a day on standard output\n"
    "  --transits FROM TO [--format text|csv|json|ics] [--output FILE]\n"
    "                              the transit windows of a period (dates YYYY-MM-DD)\n"
    "  --screenshot [FOLDER]       pictures of the windows, saved in FOLDER\n"
    "  --help                      this text\n"
    "  --version                   the program's version\n"
    "\n"
    "Exit status: 0 done, 1 a failure (a warning, a file or output not written),\n"
    "2 arguments or input not understood.\n";

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return WindowMain(argc, argv);
    }
    const char* first = argv[1];
    if (std::strcmp(first, "--help") == 0 || std::strcmp(first, "-h") == 0) {
        std::fputs(kUsage, stdout);
        return std::fflush(stdout) == 0 && std::ferror(stdout) == 0 ? 0 : 1;
    }
    if (std::strcmp(first, "--version") == 0) {
        std::fputs("velmaris " VELMARIS_VERSION "\n", stdout);
        return std::fflush(stdout) == 0 && std::ferror(stdout) == 0 ? 0 : 1;
    }
    for (const Command& command : kCommands) {
        if (std::strcmp(first, command.name) == 0) {
            return command.run(argc, argv);
        }
    }
    std::fprintf(stderr, "velmaris: unknown option %s\n%s", first, kUsage);
    return 2;
}
