#pragma once

#include "app/main_window.h"
#include "platform/qt/qt_file_dialog.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_text_area.h"
#include "platform/qt/screen_metrics.h"
#include "session/output_commands.h"
#include "session/program.h"
#include "support/data_files.h"
#include "support/fakes.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTextStream>

#include <memory>
#include <string>

namespace velmaris::testing {

// The one application object of the test program (offscreen platform).
inline void EnsureApplication() {
    static int argc = 1;
    static char name[] = "velmaris_app_tests";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) {
        new QApplication(argc, argv);
    }
}

// A screen 1280 pixels wide at 96 dots per inch: 15 twips per pixel.
class FakeScreen final : public platform::ScreenMetrics {
  public:
    [[nodiscard]] double DpiX() const override { return 96; }
    [[nodiscard]] double DpiY() const override { return 96; }
    [[nodiscard]] int WidthPixels() const override { return 1280; }
};

// Says whether the text font is there, as the test wants.
class FakeFonts final : public platform::FontCatalog {
  public:
    explicit FakeFonts(bool installed = true) : installed_(installed) {}
    [[nodiscard]] bool HasFixedPitchFont(const QString&) const override { return installed_; }

  private:
    bool installed_;
};

// 4 December 2026, 10:15:30 in the evening.
inline QDateTime TestMoment() {
    return QDateTime(QDate(2026, 12, 4), QTime(22, 15, 30));
}

// What a command of the command line returned and wrote.
struct CommandRun {
    int status = -1;
    QString out;
    QString err;
};

// Runs a command of the command line on a program folder, with a fixed clock and the regional
// settings given.
template <typename Run>
CommandRun RunCommand(Run run, const QStringList& arguments, const QString& folder,
                      const QDateTime& now = TestMoment(), int dateOrder = 2,
                      const QLocale& locale = QLocale(QLocale::English)) {
    FixedClock clock(now);
    FixedRegional regional(dateOrder, 0, locale);
    CommandRun result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.status = run(arguments, {clock, regional, folder}, out, err);
    return result;
}

// The main window with fakes around it and the real data files in a folder of its own.
struct AppRig {
    explicit AppRig(bool fontInstalled = true, bool copyData = true) : fonts(fontInstalled) {
        EnsureApplication();
        if (copyData) {
            CopyDataFiles(folder);
        }
        program = std::make_unique<session::Program>(
            session::ProgramServices{clock, regional, messages, textArea, folder.Path()});
        printer = std::make_unique<platform::QtPrinter>(folder.Path());
        output =
            std::make_unique<session::OutputCommands>(*program, messages, fileDialog, *printer);
        window = std::make_unique<app::MainWindow>(app::MainWindowServices{
            *program, clock, messages, textArea, screen, fonts, *output, fileDialog, *printer});
        fileDialog.SetParent(window.get());
    }

    [[nodiscard]] QAction* Action(const char* name) const {
        return window->findChild<QAction*>(QLatin1String(name));
    }
    [[nodiscard]] QPlainTextEdit* Text1() const {
        return window->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    }
    // Text1 shows the page with "\n" line breaks.
    [[nodiscard]] QString ShownPage() const {
        return program->Buffer().PageText().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
    // The date line of the page.
    [[nodiscard]] QString DateLine() const { return program->Buffer().PageLines().value(3); }

    DataFolder folder;
    FixedClock clock{TestMoment()};
    FixedRegional regional{0, 0, QLocale(QLocale::English, QLocale::UnitedStates)};
    RecordingMessages messages;
    platform::QtTextArea textArea;
    FakeScreen screen;
    FakeFonts fonts;
    std::unique_ptr<session::Program> program;
    platform::QtFileDialog fileDialog;
    std::unique_ptr<platform::QtPrinter> printer;
    std::unique_ptr<session::OutputCommands> output;
    std::unique_ptr<app::MainWindow> window;
};

// The main window after start-up with the real data files.
struct StartedApp : AppRig {
    StartedApp() { window->StartUp(); }
};

}  // namespace velmaris::testing
