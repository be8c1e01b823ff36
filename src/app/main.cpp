#include "app/listing_command.h"
#include "app/main_window.h"
#include "app/picture_command.h"
#include "app/program_icon.h"
#include "app/report_command.h"
#include "app/screenshots.h"
#include "app/start_up.h"
#include "platform/program_folder.h"
#include "platform/qt/qt_file_dialog.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_text_area.h"
#include "platform/qt/running_copy.h"
#include "platform/qt/screen_metrics.h"
#include "platform/qt/single_copy_lock.h"
#include "session/output_commands.h"
#include "session/program.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <array>
#include <cstdio>
#include <optional>

namespace {

using namespace velmaris;

// A command that needs no display: the arguments of the command, the clock, the regional
// settings and the program folder, with standard output opened so that a lost write shows.
template <typename Services, typename Application, typename Run>
int HeadlessMain(int argc, char** argv, const QStringList& arguments, int failedStatus, Run run) {
    Application application(argc, argv);
    platform::SystemClock clock;
    platform::LocaleRegionalSettings regional;
    QFile standardOutput;
    if (!standardOutput.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return failedStatus;
    }
    QTextStream out(&standardOutput);
    QTextStream err(stderr);
    const platform::ProgramFolderChoice folder = platform::ProgramFolder();
    if (!folder.problem.isEmpty()) {
        err << folder.problem << '\n';
        err.flush();
    }
    if (folder.folder.isEmpty()) {
        return failedStatus;
    }
    return run(arguments, Services{clock, regional, folder.folder}, out, err);
}

// velmaris --report [YYYY-MM-DD]: the page on standard output.
int ReportMain(int argc, char** argv, const QStringList& arguments) {
    return HeadlessMain<app::ReportCommandServices, QCoreApplication>(
        argc, argv, arguments, app::kReportFailed, app::RunReport);
}

// velmaris --transits FROM TO [...]: the transit windows of a period.
int ListingMain(int argc, char** argv, const QStringList& arguments) {
    return HeadlessMain<app::ListingCommandServices, QCoreApplication>(
        argc, argv, arguments, app::kListingFailed, app::RunListing);
}

// Pictures are drawn with fonts, which needs a GUI application, but never a display.
void DrawWithoutADisplay() {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
}

// velmaris --wheel [DATE] --output FILE: the chart wheel of a page moment.
int WheelMain(int argc, char** argv, const QStringList& arguments) {
    DrawWithoutADisplay();
    return HeadlessMain<app::ListingCommandServices, QGuiApplication>(
        argc, argv, arguments, app::kPictureFailed, app::RunWheel);
}

// velmaris --timeline FROM TO --output FILE: the timeline of a period.
int TimelineMain(int argc, char** argv, const QStringList& arguments) {
    DrawWithoutADisplay();
    return HeadlessMain<app::ListingCommandServices, QGuiApplication>(
        argc, argv, arguments, app::kPictureFailed, app::RunTimeline);
}

// The windowed program; with a screenshot folder it saves pictures of its windows and ends.
int WindowMain(int argc, char** argv, std::optional<QString> screenshotFolder) {
    QApplication application(argc, argv);
    QApplication::setWindowIcon(app::ProgramIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("org.velmaris.Velmaris"));
    const platform::ProgramFolderChoice choice = platform::ProgramFolder();
    const QString& folder = choice.folder;
    // Pictures are taken with nobody at the screen: messages go to standard error instead of
    // waiting for an OK that never comes.
    QTextStream err(stderr);
    platform::StreamMessageBoxes streamMessages(err);
    platform::QtMessageBoxes boxes;
    platform::MessageBoxes& messages =
        screenshotFolder.has_value() ? static_cast<platform::MessageBoxes&>(streamMessages) : boxes;
    if (!choice.problem.isEmpty()) {
        messages.Show(choice.problem, session::kStartUpFailedTitle,
                      folder.isEmpty() ? platform::MessageStyle::Critical
                                       : platform::MessageStyle::Exclamation);
    }
    if (folder.isEmpty()) {
        return 1;
    }
    platform::SingleCopyLock lock(folder);
    // Where no lock can be made (a read-only program folder) the program still runs: it can
    // then write nothing there, and says so when the settings cannot be written at exit.
    const app::LockDecision decision = app::DecideSingleCopy(lock, messages, folder);
    if (decision == app::LockDecision::StopAndRaiseOther) {
        // After the message the running copy comes to the front.
        platform::RunningCopyChannel::AskToRaise(folder);
    }
    if (decision != app::LockDecision::Run) {
        return 1;
    }
    platform::RunningCopyChannel channel(folder);
    channel.Listen();

    platform::SystemClock clock;
    platform::LocaleRegionalSettings regional;
    platform::QtTextArea textArea;
    platform::QtScreenMetrics screen;
    platform::QtFontCatalog fonts;
    session::Program program({clock, regional, messages, textArea, folder});
    platform::QtFileDialog fileDialog;
    platform::QtPrinter printer(folder);
    session::OutputCommands output(program, messages, fileDialog, printer);
    const app::MainWindowServices services{program, clock,  messages,   textArea, screen,
                                           fonts,   output, fileDialog, printer,  choice.installed};
    app::MainWindow window(services);
    fileDialog.SetParent(&window);
    QObject::connect(&channel, &platform::RunningCopyChannel::raiseRequested, &window, [&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    boxes.SetParent(&window);
    window.StartUp();
    window.show();
    if (screenshotFolder.has_value()) {
        window.UpdateCaption();
        const bool saved = app::SaveScreenshots(
            window, services,
            screenshotFolder->isEmpty() ? QStringLiteral(".") : *screenshotFolder);
        return saved ? 0 : 1;
    }
    return application.exec();
}

// The commands the program understands, each with the routine that runs it and the options
// it takes. A command that needs no display runs without one.
struct Command {
    const char* name;
    const char* synopsis;  // the command with its arguments, for the usage
    const char* description;
    int (*run)(int argc, char** argv, const QStringList& arguments);
};

constexpr std::array kCommands{
    Command{"report", "--report [YYYY-MM-DD] [--timing]", "The page of a day on standard output.",
            ReportMain},
    Command{"transits", "--transits FROM TO [--format text|csv|json|ics] [--output FILE]",
            "The transit windows of a period.", ListingMain},
    Command{"wheel", "--wheel [YYYY-MM-DD] --output FILE.svg|FILE.png [--size PIXELS]",
            "The chart wheel of a day's page.", WheelMain},
    Command{"timeline", "--timeline FROM TO --output FILE.svg|FILE.png [--size PIXELS]",
            "The timeline of a period's transits.", TimelineMain},
    Command{"screenshot", "--screenshot [FOLDER]", "Pictures of the windows, saved in FOLDER.",
            nullptr},
};

// The options the commands share, passed on to the command with their values.
constexpr std::array kValueOptions{
    std::array<const char*, 3>{"format", "text|csv|json|ics", "Form of the transit listing."},
    std::array<const char*, 3>{"output", "FILE", "File to write instead of standard output."},
    std::array<const char*, 3>{"size", "PIXELS", "Width of a PNG picture (default 1000)."},
};

// Switches the commands share, passed on to the command as they are.
constexpr std::array<std::array<const char*, 2>, 1> kFlagOptions{
    std::array<const char*, 2>{"timing", "A timing line under each aspect of the page."},
};

QString Description() {
    QString text = QStringLiteral(
        "Transits of the Sun, Moon and planets to a birth chart.\n"
        "Without a command the program opens its window. Dates are YYYY-MM-DD; a period runs\n"
        "from FROM 00:00 to TO 24:00 on the computer's clock.\n\nCommands:\n");
    for (const Command& command : kCommands) {
        text += QStringLiteral("  velmaris ") + QString::fromLatin1(command.synopsis) +
                QLatin1Char('\n');
    }
    text += QStringLiteral(
        "\nExit status: 0 done, 1 a failure (a warning, a file or output not written),\n"
        "2 arguments or input not understood.");
    return text;
}

// Options of one command line, with help and version; parsing needs no application object.
void DescribeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(Description());
    parser.addHelpOption();
    parser.addVersionOption();
    for (const Command& command : kCommands) {
        parser.addOption(QCommandLineOption(QString::fromLatin1(command.name),
                                            QString::fromLatin1(command.description)));
    }
    for (const auto& option : kValueOptions) {
        parser.addOption(QCommandLineOption(QString::fromLatin1(option[0]),
                                            QString::fromLatin1(option[2]),
                                            QString::fromLatin1(option[1])));
    }
    for (const auto& option : kFlagOptions) {
        parser.addOption(
            QCommandLineOption(QString::fromLatin1(option[0]), QString::fromLatin1(option[1])));
    }
    parser.addPositionalArgument(QStringLiteral("arguments"),
                                 QStringLiteral("The command's dates or folder."),
                                 QStringLiteral("[ARGUMENTS...]"));
}

// The usage with the program's name: without an application object the parser cannot know it.
QString HelpText(const QCommandLineParser& parser) {
    QString text = parser.helpText();
    text.replace(QStringLiteral("<executable_name>"), QStringLiteral("velmaris"));
    return text;
}

int WriteOut(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stdout);
    return std::fflush(stdout) == 0 && std::ferror(stdout) == 0 ? 0 : 1;
}

int Refuse(const QString& message, const QCommandLineParser& parser) {
    std::fprintf(stderr, "velmaris: %s\n\n%s", message.toLocal8Bit().constData(),
                 HelpText(parser).toLocal8Bit().constData());
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("velmaris"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMARIS_VERSION));
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }

    QCommandLineParser parser;
    DescribeOptions(parser);
    if (!parser.parse(arguments)) {
        return Refuse(parser.errorText(), parser);
    }
    if (parser.isSet(QStringLiteral("help"))) {
        return WriteOut(HelpText(parser));
    }
    if (parser.isSet(QStringLiteral("version"))) {
        return WriteOut(QStringLiteral("velmaris " VELMARIS_VERSION "\n"));
    }

    const Command* chosen = nullptr;
    for (const Command& command : kCommands) {
        if (parser.isSet(QString::fromLatin1(command.name))) {
            if (chosen != nullptr) {
                return Refuse(QStringLiteral("give one command at a time"), parser);
            }
            chosen = &command;
        }
    }
    // The command's own arguments: its dates, then the shared options it was given, which the
    // command checks for itself.
    QStringList commandArguments = parser.positionalArguments();
    for (const auto& option : kValueOptions) {
        const QString name = QString::fromLatin1(option[0]);
        for (const QString& value : parser.values(name)) {
            commandArguments << QStringLiteral("--") + name << value;
        }
    }
    for (const auto& option : kFlagOptions) {
        if (parser.isSet(QString::fromLatin1(option[0]))) {
            commandArguments << QStringLiteral("--") + QString::fromLatin1(option[0]);
        }
    }
    if (chosen == nullptr) {
        if (!commandArguments.isEmpty()) {
            return Refuse(QStringLiteral("arguments without a command"), parser);
        }
        return WindowMain(argc, argv, std::nullopt);
    }
    if (chosen->run == nullptr) {
        if (commandArguments.size() > 1) {
            return Refuse(QStringLiteral("--screenshot takes one folder"), parser);
        }
        return WindowMain(argc, argv,
                          commandArguments.isEmpty() ? QString() : commandArguments.front());
    }
    return chosen->run(argc, argv, commandArguments);
}
