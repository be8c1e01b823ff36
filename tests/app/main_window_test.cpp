#include "app/main_window.h"

#include "app/start_up.h"
#include "app_fixture.h"
#include "options/window_settings.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace velmaris::testing {
namespace {

// One entry of the menu bar as a user sees it, in order; submenu items follow their menu.
struct MenuEntry {
    const char* name;
    const char* caption;  // "-" for a separator
    int key;              // F-key shortcut, 0 for none
    bool topLevel;
};

// Typed from the menu description of the main window.
const MenuEntry kWantMenus[] = {
    {"mnuFile", "&File", 0, true},
    {"mnuFileSave", "&Save", Qt::Key_F5, false},
    {"mnuFileSaveAs", "Save &As", Qt::Key_F6, false},
    {"mnuSplit1", "-", 0, false},
    {"mnuFileExit", "E&xit", Qt::Key_F12, false},
    {"mnuFonts", "F&ont", 0, true},
    {"mnuFontsIncrease", "&Increase", Qt::Key_F7, false},
    {"mnuFontsDecrease", "&Decrease", Qt::Key_F8, false},
    {"mnuFontsBold", "&Bold", Qt::Key_F9, false},
    {"mnuFontsItalic", "I&talic", Qt::Key_F11, false},
    {"mnuClearBuffer", "&Clear all data", 0, true},
    {"mnuPrint", "&Print page", 0, true},
    {"mnuPrintData", "Print &data", 0, true},
    {"mnuMore", "&More", 0, true},
    {"mnuMoreZForward", "&Forward", Qt::Key_F2, false},
    {"mnuMoreBackward", "&Backward", Qt::Key_F3, false},
    {"mnuMoreNewDate", "&New Date", Qt::Key_F4, false},
    {"mnuOptions", "&Options", 0, true},
    {"mnuHelp", "&Help", 0, true},
    {"mnuMainMenuHelp", "&VELMARIS Window", 0, false},
    {"mnuHelpOptions", "&Options Window", 0, false},
    {"mnuHelpPrntfile", "&File To Print Window", 0, false},
    {"mnuSplit2", "-", 0, false},
    {"mnuHelpInterpretations", "&Interpretations", 0, false},
    {"mnuSplit5", "-", 0, false},
    {"mnuHelpHints", "&Hints", 0, false},
    {"mnuHelpRevisions", "&Revision history", 0, false},
    {"mnuPhilosophyHelp", "&Philosophy", 0, false},
    {"mnuHelpLicense", "&License Agreement", 0, false},
    {"mnuHelpUpgrades", "&Upgrades", 0, false},
    {"mnuSplit9", "-", 0, false},
    {"mnuHelpAbout", "&About", 0, false},
};

TEST(MainWindowMenus, NamesCaptionsShortcutsAndOrder) {
    AppRig rig;
    std::vector<QAction*> seen;
    for (QAction* top : rig.window->menuBar()->actions()) {
        seen.push_back(top);
        if (QMenu* menu = top->menu()) {
            for (QAction* item : menu->actions()) {
                seen.push_back(item);
            }
        }
    }
    ASSERT_EQ(seen.size(), std::size(kWantMenus));
    for (std::size_t i = 0; i < seen.size(); ++i) {
        const MenuEntry& want = kWantMenus[i];
        QAction* action = seen[i];
        SCOPED_TRACE(want.name);
        EXPECT_EQ(action->objectName(), QLatin1String(want.name));
        if (QLatin1String(want.caption) == QLatin1String("-")) {
            EXPECT_TRUE(action->isSeparator());
        } else {
            EXPECT_EQ(action->text(), QLatin1String(want.caption));
        }
        EXPECT_EQ(action->shortcut(), want.key == 0 ? QKeySequence() : QKeySequence(want.key));
        // A top-level entry without items is a command of the menu bar itself.
        const bool isTopLevel = rig.window->menuBar()->actions().contains(action);
        EXPECT_EQ(isTopLevel, want.topLevel);
        // The items can be found by name.
        if (!action->isSeparator() && action->menu() == nullptr) {
            EXPECT_EQ(rig.Action(want.name), action);
        }
    }
}

TEST(MainWindowMenus, F1AndF10CarryNoCommand) {
    AppRig rig;
    for (QAction* action : rig.window->findChildren<QAction*>()) {
        SCOPED_TRACE(action->objectName().toStdString());
        EXPECT_NE(action->shortcut(), QKeySequence(Qt::Key_F1));
        EXPECT_NE(action->shortcut(), QKeySequence(Qt::Key_F10));
    }
}

TEST(MainWindowStartUp, FirstPageOfThePresentDayInText1) {
    AppRig rig;
    EXPECT_EQ(rig.window->objectName(), QStringLiteral("VELMARIS"));
    rig.window->StartUp();

    const QStringList page = rig.program->Buffer().PageLines();
    ASSERT_GE(page.size(), 6);
    EXPECT_EQ(page[0], QString());
    EXPECT_EQ(page[1].trimmed(), QStringLiteral("TRANSITING PLANET ASPECTS TO NATAL PLANETS"));
    EXPECT_EQ(page[3], QStringLiteral("     Friday, 04 Dec 2026 at 10:15 PM"));
    EXPECT_EQ(page.back(), QString());
    EXPECT_EQ(rig.Text1()->toPlainText(), rig.ShownPage());
    // The whole buffer holds the same page.
    EXPECT_EQ(rig.program->Buffer().AllLines(), page);
    EXPECT_EQ(rig.program->NextReportDay(), DayNumberOf(2026, 12, 5));
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST(MainWindowStartUp, Text1IsReadOnlyWithBothScrollBarsAndTheTextFont) {
    AppRig rig;
    rig.window->StartUp();
    QPlainTextEdit* text1 = rig.Text1();
    EXPECT_TRUE(text1->isReadOnly());
    EXPECT_EQ(text1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(text1->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(text1->font().family(), app::kTextFontName);
    EXPECT_DOUBLE_EQ(text1->font().pointSizeF(), 9.25);
    EXPECT_FALSE(text1->font().bold());
    EXPECT_EQ(rig.window->centralWidget(), text1);
}

TEST(MainWindowStartUp, MissingTextFontIsReportedOnceAndTheFirstPageStillShows) {
    AppRig rig(/*fontInstalled=*/false);
    rig.window->StartUp();
    ASSERT_EQ(rig.messages.shown.size(), 1U);
    EXPECT_EQ(rig.messages.shown[0].text,
              QStringLiteral("You must have the COURIER NEW font installed in Windows. Please "
                             "add this font through CONTROL PANEL - FONTS."));
    EXPECT_EQ(rig.messages.shown[0].title, QStringLiteral("Information!"));
    EXPECT_EQ(rig.messages.shown[0].style, platform::MessageStyle::Exclamation);
    EXPECT_EQ(rig.Text1()->toPlainText(), rig.ShownPage());
    EXPECT_GT(rig.program->Buffer().PageLineCount(), 5);
}

TEST(MainWindowStartUp, MissingOptionsFileIsRestoredFromTheMasterCopy) {
    AppRig rig;
    ASSERT_TRUE(QFile::remove(rig.folder.FilePath(QStringLiteral("OPTIONS.OPT"))));
    rig.window->StartUp();
    ASSERT_EQ(rig.messages.shown.size(), 1U);
    EXPECT_EQ(rig.messages.shown[0].title, QStringLiteral("Information!"));
    EXPECT_EQ(rig.messages.shown[0].style, platform::MessageStyle::Information);
    EXPECT_TRUE(rig.messages.shown[0].text.contains(QStringLiteral("OPTIONS.MAS")));
    EXPECT_EQ(rig.folder.Read(QStringLiteral("OPTIONS.OPT")),
              rig.folder.Read(QStringLiteral("OPTIONS.MAS")));
    // The restored values are in force: the orb is the master copy's first value.
    EXPECT_EQ(rig.program->Options()[1], 1.5F);
    EXPECT_EQ(rig.Text1()->toPlainText(), rig.ShownPage());
}

TEST(MainWindowStartUp, NoOptionsFileAtAllIsReportedAndTheWindowStillOpens) {
    AppRig rig;
    QFile::remove(rig.folder.FilePath(QStringLiteral("OPTIONS.OPT")));
    QFile::remove(rig.folder.FilePath(QStringLiteral("OPTIONS.MAS")));
    rig.window->StartUp();
    ASSERT_FALSE(rig.messages.shown.empty());
    EXPECT_TRUE(rig.messages.shown[0].text.contains(QStringLiteral("OPTIONS.OPT")));
    EXPECT_EQ(rig.Text1()->toPlainText(), rig.ShownPage());
    EXPECT_EQ(rig.program->NextReportDay(), DayNumberOf(2026, 12, 5));
}

TEST(MainWindowStartUp, WindowSettingsFilePlacesTheWindowAndSetsTheFont) {
    AppRig rig;
    rig.folder.Write(QStringLiteral("VELMARIS.INI"),
                     "[Velmaris] - Do NOT change the order of these variables.\r\n"
                     "FontSize= 11.5\r\nFontBold=-1\r\nFontItalic=-1\r\n"
                     "VelmarisTop= 300\r\nVelmarisLeft= 1500\r\n"
                     "VelmarisHeight= 6000\r\nVelmarisWidth= 9000\r\n");
    rig.window->StartUp();
    // 15 twips per pixel at 96 dots per inch.
    EXPECT_EQ(rig.window->pos(), QPoint(100, 20));
    EXPECT_EQ(rig.window->size(), QSize(600, 400));
    QFont font = rig.Text1()->font();
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 11.5);
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.italic());
    EXPECT_TRUE(rig.Action("mnuFontsBold")->isChecked());
    EXPECT_TRUE(rig.Action("mnuFontsItalic")->isChecked());
}

TEST(MainWindowCaption, VelmarisUntilTheFirstTickThenDateAndTime) {
    AppRig rig;
    rig.window->StartUp();
    EXPECT_EQ(rig.window->windowTitle(), QStringLiteral("VELMARIS"));
    rig.window->UpdateCaption();
    EXPECT_EQ(rig.window->windowTitle(), QStringLiteral("VELMARIS - 04 Dec 2026     10:15:30 PM"));
    // The caption follows the clock, not the reported day.
    rig.Action("mnuMoreZForward")->trigger();
    rig.clock.Set(QDateTime(QDate(2026, 12, 5), QTime(0, 0, 1)));
    rig.window->UpdateCaption();
    EXPECT_EQ(rig.window->windowTitle(), QStringLiteral("VELMARIS - 05 Dec 2026     12:00:01 AM"));
    auto* timer = rig.window->findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 1000);
    EXPECT_TRUE(timer->isActive());
}

TEST(MainWindowExit, ClosingWritesTheSettingsFile) {
    AppRig rig;
    rig.window->StartUp();
    rig.window->move(150, 45);
    rig.window->resize(640, 480);
    rig.Action("mnuFontsBold")->trigger();
    rig.Action("mnuFontsIncrease")->trigger();
    rig.Action("mnuFileExit")->trigger();

    EXPECT_FALSE(rig.window->isVisible());
    const domain::WindowSettings read = domain::ReadWindowSettings(rig.folder.Path());
    EXPECT_DOUBLE_EQ(read.fontSize, 10.0);  // step 1.5 at 15 twips per pixel
    EXPECT_EQ(read.fontBold, -1);
    EXPECT_EQ(read.fontItalic, 0);
    EXPECT_EQ(read.left, 2250.0F);
    EXPECT_EQ(read.top, 675.0F);
    EXPECT_EQ(read.width, 9600.0F);
    EXPECT_EQ(read.height, 7200.0F);
}

TEST(MainWindowExit, ClosingTheWindowWritesTheSettingsToo) {
    AppRig rig;
    rig.window->StartUp();
    rig.window->close();
    EXPECT_TRUE(QFile::exists(rig.folder.FilePath(QStringLiteral("VELMARIS.INI"))));
    const domain::WindowSettings read = domain::ReadWindowSettings(rig.folder.Path());
    EXPECT_EQ(read, rig.window->CurrentWindowSettings());
}

}  // namespace
}  // namespace velmaris::testing
