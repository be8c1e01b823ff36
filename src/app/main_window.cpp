#include "app/main_window.h"

#include "app/print_review_window.h"
#include "platform/qt/qt_printer.h"
#include "session/output_commands.h"

#include "app/about_window.h"
#include "app/caption.h"
#include "app/listing_window.h"
#include "app/new_date_dialog.h"
#include "app/options_window.h"
#include "app/picture_windows.h"
#include "app/start_up.h"
#include "help/help_topic.h"
#include "options/options_editor.h"
#include "platform/qt/busy_pointer.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTimer>

#include <algorithm>
#include <exception>

namespace velmaris::app {
namespace {

constexpr int kCaptionIntervalMs = 1000;

}  // namespace

MainWindow::MainWindow(MainWindowServices services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
    setObjectName(QStringLiteral("VELMARIS"));
    setWindowTitle(kCaptionBeforeFirstTick);

    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    // The page is output only: nothing typed here would ever be kept.
    text1_->setReadOnly(true);
    text1_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setCentralWidget(text1_);
    services_.textArea.Attach(text1_, this);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(kCaptionIntervalMs);
    connect(timer1_, &QTimer::timeout, this, &MainWindow::UpdateCaption);

    output_ = &services_.output;

    createActions();
}

MainWindow::~MainWindow() = default;

void MainWindow::createActions() {
    using Slot = void (MainWindow::*)();
    using Kept = QAction* MainWindow::*;
    // Kinds of entries: a menu on the bar, an item of the menu before it, a separator in it, a
    // command on the bar itself, a help topic of the menu before it.
    enum class Kind { Menu, Item, Separator, BarItem, Topic };
    struct Entry {
        Kind kind;
        const char* name = nullptr;
        const char* caption = nullptr;
        int key = 0;
        Slot slot = nullptr;
        Kept kept = nullptr;  // where the window keeps the action
        bool checkable = false;
        const domain::HelpTopic* topic = nullptr;
    };
    const auto& topics = domain::kHelpTopics;
    const int ctrlL = (Qt::CTRL | Qt::Key_L).toCombined();
    // The menu bar in order.
    // clang-format off
    const Entry entries[] = {
        {Kind::Menu,      "mnuFile",          "&File"},
        {Kind::Item,      "mnuFileSave",      "&Save",    Qt::Key_F5,  &MainWindow::save},
        {Kind::Item,      "mnuFileSaveAs",    "Save &As", Qt::Key_F6,  &MainWindow::saveAs},
        {Kind::Separator, "mnuSplit1"},
        {Kind::Item,      "mnuFileExit",      "E&xit",    Qt::Key_F12, &MainWindow::exitProgram},
        {Kind::Menu,      "mnuFonts",         "F&ont"},
        {Kind::Item,      "mnuFontsIncrease", "&Increase", Qt::Key_F7,  &MainWindow::increaseFont,
         &MainWindow::mnuFontsIncrease_},
        {Kind::Item,      "mnuFontsDecrease", "&Decrease", Qt::Key_F8,  &MainWindow::decreaseFont,
         &MainWindow::mnuFontsDecrease_},
        {Kind::Item,      "mnuFontsBold",     "&Bold",     Qt::Key_F9,  &MainWindow::toggleBold,
         &MainWindow::mnuFontsBold_, true},
        {Kind::Item,      "mnuFontsItalic",   "I&talic",   Qt::Key_F11, &MainWindow::toggleItalic,
         &MainWindow::mnuFontsItalic_, true},
        {Kind::BarItem,   "mnuClearBuffer",   "&Clear all data", 0, &MainWindow::clearAllData},
        {Kind::BarItem,   "mnuPrint",         "&Print page",     0, &MainWindow::printPage},
        {Kind::BarItem,   "mnuPrintData",     "Print &data",     0, &MainWindow::printData},
        {Kind::Menu,      "mnuMore",          "&More"},
        {Kind::Item,      "mnuMoreZForward",  "&Forward",  Qt::Key_F2, &MainWindow::forward},
        {Kind::Item,      "mnuMoreBackward",  "&Backward", Qt::Key_F3, &MainWindow::backward},
        {Kind::Item,      "mnuMoreNewDate",   "&New Date", Qt::Key_F4, &MainWindow::newDate},
        {Kind::Separator, "mnuSplitTiming"},
        {Kind::Item,      "mnuMoreTransitListing", "Transit &Listing", ctrlL,
         &MainWindow::showTransitListing},
        {Kind::Item,      "mnuMoreShowTiming", "Show Ti&ming", 0, &MainWindow::toggleTiming,
         &MainWindow::mnuMoreShowTiming_, true},
        {Kind::Separator, "mnuSplitPictures"},
        {Kind::Item,      "mnuMoreChartWheel", "Chart &Wheel", 0, &MainWindow::showChartWheel},
        {Kind::Item,      "mnuMoreTimeline",   "&Timeline",    0, &MainWindow::showTimeline},
        {Kind::BarItem,   "mnuOptions",        "&Options",     0, &MainWindow::editOptions},
        {Kind::Menu,      "mnuHelp",           "&Help"},
        {.kind = Kind::Topic, .topic = &topics[0]},
        {.kind = Kind::Topic, .topic = &topics[1]},
        {.kind = Kind::Topic, .topic = &topics[2]},
        {Kind::Separator, "mnuSplit2"},
        {.kind = Kind::Topic, .topic = &topics[3]},
        {Kind::Separator, "mnuSplit5"},
        {.kind = Kind::Topic, .topic = &topics[4]},
        {.kind = Kind::Topic, .topic = &topics[5]},
        {.kind = Kind::Topic, .topic = &topics[6]},
        {.kind = Kind::Topic, .topic = &topics[7]},
        {.kind = Kind::Topic, .topic = &topics[8]},
        {Kind::Separator, "mnuSplit9"},
        {Kind::Item,      "mnuHelpAbout",      "&About",          0, &MainWindow::showAbout},
        {Kind::Item,      "mnuHelpFolder",     "Program &Folder", 0, &MainWindow::showProgramFolder},
        {.kind = Kind::Topic, .topic = &domain::kAccuracyTopic},
    };
    // clang-format on

    QMenuBar* bar = menuBar();
    QMenu* menu = nullptr;
    for (const Entry& entry : entries) {
        QAction* action = nullptr;
        switch (entry.kind) {
            case Kind::Menu:
                menu = bar->addMenu(QString::fromLatin1(entry.caption));
                menu->setObjectName(QLatin1String(entry.name));
                menu->menuAction()->setObjectName(QLatin1String(entry.name));
                continue;
            case Kind::Separator:
                menu->addSeparator()->setObjectName(QLatin1String(entry.name));
                continue;
            case Kind::BarItem:
                action = bar->addAction(QString::fromLatin1(entry.caption));
                action->setParent(this);
                break;
            case Kind::Item:
                action = menu->addAction(QString::fromLatin1(entry.caption));
                break;
            case Kind::Topic: {
                action = menu->addAction(QString::fromLatin1(entry.topic->caption));
                action->setObjectName(QLatin1String(entry.topic->menuName));
                const QString fileName = QLatin1String(entry.topic->fileName);
                connect(action, &QAction::triggered, this,
                        [this, fileName] { showHelpTopic(fileName); });
                continue;
            }
        }
        action->setObjectName(QLatin1String(entry.name));
        if (entry.key != 0) {
            action->setShortcut(QKeySequence(entry.key));
        }
        action->setCheckable(entry.checkable);
        if (entry.kept != nullptr) {
            this->*entry.kept = action;
        }
        connect(action, &QAction::triggered, this, entry.slot);
    }
}

void MainWindow::StartUp() {
    platform::BusyPointer busy;
    session::Program& program = services_.program;

    program.RestoreMissingOptions();
    program.LoadSettings();
    const domain::WindowSettings& settings = program.InitialWindowSettings();
    applyWindowSettings(settings);

    const double step =
        FontStepFor(services_.screen.WidthPixels(), services_.screen.TwipsPerPixelX());
    font_ = TextFont::FromSettings(settings.fontSize, settings.fontBold, settings.fontItalic, step);

    if (!services_.fonts.HasFixedPitchFont(kTextFontName)) {
        services_.messages.Show(session::kNoTextFontText, session::kNoTextFontTitle,
                                platform::MessageStyle::Exclamation);
    }
    applyTextFont();
    mnuMoreShowTiming_->setChecked(program.ShowTiming());
    text1_->clear();

    try {
        program.ComputeFirstReport();
    } catch (const std::exception& error) {
        services_.messages.Show(session::StartUpFailedText(QString::fromLocal8Bit(error.what())),
                                session::kStartUpFailedTitle, platform::MessageStyle::Exclamation);
    }
    timer1_->start();
}

void MainWindow::applyWindowSettings(const domain::WindowSettings& settings) {
    const platform::ScreenMetrics& screen = services_.screen;
    move(screen.PixelsX(settings.left), screen.PixelsY(settings.top));
    resize(screen.PixelsX(settings.width), screen.PixelsY(settings.height));
}

domain::WindowSettings MainWindow::CurrentWindowSettings() const {
    const platform::ScreenMetrics& screen = services_.screen;
    // A minimised or maximised window keeps the place it has when restored.
    const bool normal = !(isMinimized() || isMaximized() || isFullScreen());
    const QRect place = normal ? QRect(pos(), size()) : normalGeometry();
    domain::WindowSettings settings;
    settings.fontSize = font_.fontSize;
    settings.fontBold = font_.fontBold;
    settings.fontItalic = font_.fontItalic;
    settings.top = static_cast<float>(screen.TwipsY(place.y()));
    settings.left = static_cast<float>(screen.TwipsX(place.x()));
    settings.height = static_cast<float>(screen.TwipsY(place.height()));
    settings.width = static_cast<float>(screen.TwipsX(place.width()));
    settings.showTiming = services_.program.ShowTiming();
    return settings;
}

void MainWindow::applyTextFont() {
    text1_->setFont(
        platform::FontOf(kTextFontName, font_.shownSize, font_.shownBold, font_.shownItalic));
    mnuFontsBold_->setChecked(font_.shownBold);
    mnuFontsItalic_->setChecked(font_.shownItalic);
}

void MainWindow::UpdateCaption() {
    setWindowTitle(CaptionText(services_.program.CaptionPrefix(), services_.clock.Now(),
                               services_.program.Locale()));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!settingsWritten_) {
        settingsWritten_ = true;
        services_.program.SaveWindowSettings(CurrentWindowSettings());
    }
    // Exit ends the program: the secondary windows go with the main window.
    if (!about_.isNull()) {
        about_->close();
    }
    if (!options_.isNull()) {
        options_->close();
    }
    if (!printReview_.isNull()) {
        printReview_->close();
    }
    event->accept();
    QCoreApplication::quit();
}

void MainWindow::exitProgram() {
    close();
}

void MainWindow::save() {
    output_->Save();
}

void MainWindow::saveAs() {
    output_->Save();
}

void MainWindow::printPage() {
    platform::BusyPointer busy;
    if (output_->StagePage()) {
        showPrintReview();
    }
}

void MainWindow::printData() {
    platform::BusyPointer busy;
    if (output_->StageData()) {
        showPrintReview();
    }
}

// A further print command while the review window is open shows the newly staged text in it.
void MainWindow::showPrintReview() {
    if (printReview_.isNull()) {
        printReview_ = new PrintReviewWindow(*output_, this);
    }
    printReview_->LoadStagedText();
    printReview_->show();
    printReview_->raise();
    printReview_->activateWindow();
}

void MainWindow::refreshAfterFontChange() {
    if (services_.program.Buffer().PageLineCount() == 0) {
        return;
    }
    platform::BusyPointer busy;
    services_.program.ShowDataBuffer();
    mnuFontsDecrease_->setEnabled(font_.DecreaseEnabled());
    mnuFontsIncrease_->setEnabled(font_.IncreaseEnabled());
}

void MainWindow::increaseFont() {
    font_.Increase();
    applyTextFont();
    refreshAfterFontChange();
}

void MainWindow::decreaseFont() {
    font_.Decrease();
    applyTextFont();
    refreshAfterFontChange();
}

void MainWindow::toggleBold() {
    font_.ToggleBold();
    applyTextFont();
    refreshAfterFontChange();
}

void MainWindow::toggleItalic() {
    font_.ToggleItalic();
    applyTextFont();
    refreshAfterFontChange();
}

void MainWindow::clearAllData() {
    services_.program.ClearAllData();
}

void MainWindow::forward() {
    platform::BusyPointer busy;
    services_.program.Forward();
    refreshPictures();
}

void MainWindow::toggleTiming() {
    platform::BusyPointer busy;
    session::Program& program = services_.program;
    program.SetShowTiming(mnuMoreShowTiming_->isChecked());
    // The day on screen is written again, with or without its timing lines.
    if (program.Buffer().AllLineCount() > 0) {
        program.RewritePage();
        refreshPictures();
    }
}

void MainWindow::backward() {
    platform::BusyPointer busy;
    services_.program.Backward();
    refreshPictures();
}

void MainWindow::newDate() {
    session::Program& program = services_.program;
    {
        NewDateDialog dialog(
            program.NewDateStartFields(),
            [&program](const QString& month, const QString& day, const QString& year) {
                return program.AcceptNewDate(month, day, year);
            },
            services_.screen, this);
        dialog.exec();
    }
    // Closed by OK or otherwise, the page of the next report day follows.
    platform::BusyPointer busy;
    program.NewDate();
    refreshPictures();
}

PictureWindowServices MainWindow::pictureServices() {
    const auto choose = [this](const QString& proposedName) {
        return services_.dialog.GetSaveFileName(
            {services_.program.AppFolder(), proposedName,
             QStringLiteral("PNG picture (*.png);;SVG picture (*.svg)"), QStringLiteral("png")});
    };
    const auto print = [this](const pictures::DisplayList& list) {
        const platform::PrintOutcome outcome =
            services_.printer.PrintPainted([&list](QPainter& painter, const QRectF& page) {
                // The picture as large as the page allows, in its own proportions.
                const double scale =
                    std::min(page.width() / list.size.width(), page.height() / list.size.height());
                const QSizeF size = list.size * scale;
                pictures::Paint(list, painter, QRectF(page.topLeft(), size));
            });
        if (outcome.printed && !outcome.pdfPath.isEmpty()) {
            services_.messages.Show(session::PictureToPdfText(outcome.pdfPath),
                                    session::kInformationTitle,
                                    platform::MessageStyle::Information);
        }
        return outcome.printed ? QString() : outcome.error;
    };
    return {services_.program, services_.messages, services_.clock, choose, print};
}

void MainWindow::showChartWheel() {
    if (wheel_.isNull()) {
        wheel_ = new ChartWheelWindow(pictureServices(), this);
    }
    wheel_->show();
    wheel_->raise();
    wheel_->activateWindow();
}

void MainWindow::showTimeline() {
    if (timeline_.isNull()) {
        platform::BusyPointer busy;
        timeline_ = new TimelineWindow(pictureServices(), this);
        connect(timeline_, &TimelineWindow::pageMoved, this, &MainWindow::refreshPictures);
    }
    timeline_->show();
    timeline_->raise();
    timeline_->activateWindow();
}

void MainWindow::showTransitListing() {
    if (listing_.isNull()) {
        platform::BusyPointer busy;
        const auto choose = [this](const QString& proposedName, const QString& filter,
                                   const QString& suffix) {
            return services_.dialog.GetSaveFileName(
                {services_.program.AppFolder(), proposedName, filter, suffix});
        };
        listing_ = new TransitListingWindow(
            {services_.program, services_.messages, services_.clock, choose}, this);
        listing_->ListPeriod(listing_->findChild<QDateEdit*>(QStringLiteral("txtFrom"))->date(),
                             listing_->findChild<QDateEdit*>(QStringLiteral("txtTo"))->date());
    }
    listing_->show();
    listing_->raise();
    listing_->activateWindow();
}

void MainWindow::refreshPictures() {
    if (!wheel_.isNull()) {
        wheel_->Refresh();
    }
}

void MainWindow::editOptions() {
    if (options_.isNull()) {
        const std::optional<domain::OptionsText> text = optionsCommands_.OpenEditor();
        if (!text) {
            return;
        }
        options_ = new OptionsWindow(optionsCommands_, *text, services_.screen, this);
    } else if (!optionsCommands_.MayShowEditor()) {
        return;
    }
    options_->show();
    options_->raise();
    options_->activateWindow();
}

void MainWindow::showHelpTopic(const QString& helpFile) {
    platform::BusyPointer busy;
    services_.program.ShowHelpTopic(helpFile);
}

void MainWindow::showProgramFolder() {
    services_.messages.Show(
        domain::ProgramFolderText(services_.program.AppFolder(), services_.installedFolder),
        QStringLiteral("Program Folder"), platform::MessageStyle::Information);
}

void MainWindow::showAbout() {
    if (about_.isNull()) {
        about_ = new AboutWindow(services_.screen, this);
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
}

}  // namespace velmaris::app
