#pragma once

#include "app/text_font.h"
#include "options/window_settings.h"
#include "platform/clock.h"
#include "platform/file_dialog.h"
#include "platform/message_boxes.h"
#include "platform/qt/qt_text_area.h"
#include "platform/qt/screen_metrics.h"
#include "session/options_commands.h"
#include "session/program.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class QAction;
class QMenu;
class QPlainTextEdit;
class QTimer;

namespace velmaris::session {
class OutputCommands;
}
namespace velmaris::platform {
class QtPrinter;
}  // namespace velmaris::platform

namespace velmaris::app {

class AboutWindow;
class ChartWheelWindow;
class OptionsWindow;
class TimelineWindow;
class TransitListingWindow;
struct PictureWindowServices;
class PrintReviewWindow;

// What the main window works with; everything must outlive the window.
struct MainWindowServices {
    session::Program& program;
    platform::Clock& clock;
    platform::MessageBoxes& messages;
    platform::QtTextArea& textArea;  // the window attaches its text box to it
    const platform::ScreenMetrics& screen;
    const platform::FontCatalog& fonts;
    // Save and print commands, with the desktop's save dialog and default printer.
    session::OutputCommands& output;
    // The same dialog and printer, for the pictures and the listing.
    platform::FileDialog& dialog;
    platform::QtPrinter& printer;
    // The installed copy of the data files, when the program folder was seeded from one.
    QString installedFolder = QString();
};

// The main window VELMARIS: the menus, the text box Text1 that shows the current page, and the
// once-a-second caption. Its commands forward to the program's state.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit MainWindow(MainWindowServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up after the single-copy check: options, settings, the text font, the natal and
    // present positions and the first page. Runs once, before the window is shown.
    void StartUp();

    // Sets the caption from the clock; Timer1 runs it once a second.
    void UpdateCaption();

    // The settings file's view of the window: the font and the window's place in twips.
    [[nodiscard]] domain::WindowSettings CurrentWindowSettings() const;
    [[nodiscard]] const TextFont& Font() const { return font_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createActions();
    void applyWindowSettings(const domain::WindowSettings& settings);
    void applyTextFont();
    void refreshAfterFontChange();

    // Saving and printing.
    void save();
    void saveAs();
    void printPage();
    void printData();

    void exitProgram();
    void increaseFont();
    void decreaseFont();
    void toggleBold();
    void toggleItalic();
    void clearAllData();
    void forward();
    void toggleTiming();
    void showTransitListing();
    void backward();
    void newDate();
    void editOptions();
    void showHelpTopic(const QString& helpFile);
    void showAbout();
    void showProgramFolder();
    void showPrintReview();
    void showChartWheel();
    void showTimeline();
    // Redraws the open picture windows after the page has moved to another day.
    void refreshPictures();
    PictureWindowServices pictureServices();

    MainWindowServices services_;
    session::OptionsCommands optionsCommands_{services_.program, services_.messages};
    TextFont font_;
    QPlainTextEdit* text1_ = nullptr;
    QTimer* timer1_ = nullptr;
    QAction* mnuFontsIncrease_ = nullptr;
    QAction* mnuFontsDecrease_ = nullptr;
    QAction* mnuFontsBold_ = nullptr;
    QAction* mnuFontsItalic_ = nullptr;
    QAction* mnuMoreShowTiming_ = nullptr;
    QPointer<AboutWindow> about_;
    QPointer<OptionsWindow> options_;
    QPointer<PrintReviewWindow> printReview_;
    QPointer<ChartWheelWindow> wheel_;
    QPointer<TimelineWindow> timeline_;
    QPointer<TransitListingWindow> listing_;
    session::OutputCommands* output_ = nullptr;
    bool settingsWritten_ = false;
};

}  // namespace velmaris::app
