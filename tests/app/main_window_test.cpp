#include "app/main_window.h"

#include "app/caption.h"
#include "app/start_up.h"
#include "app_fixture.h"
#include "options/window_settings.h"
#include "support/golden.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace velmaris::testing {
namespace {

TEST(MainWindowMenus, NamesCaptionsShortcutsAndOrder) {
    AppRig rig;
    QStringList seen;
    const auto see = [&](QAction* action, const char* mark) {
        seen << QLatin1String(mark) + action->objectName() + QLatin1Char('|') +
                    (action->isSeparator() ? QStringLiteral("-") : action->text());
        if (!action->shortcut().isEmpty()) {
            seen.last() += QLatin1Char('|') + action->shortcut().toString();
        }
        // The commands can be found by name.
        if (!action->isSeparator() && action->menu() == nullptr) {
            EXPECT_EQ(rig.Action(action->objectName().toLatin1().constData()), action);
        }
    };
    for (QAction* top : rig.window->menuBar()->actions()) {
        see(top, "");
        for (QAction* item : top->menu() != nullptr ? top->menu()->actions() : QList<QAction*>()) {
            see(item, ">");
        }
    }
    // The menu bar in order: each entry as "name|caption|shortcut" ("-" is a separator's
    // caption), the items of a menu after it, each marked with ">".
    ExpectGolden((seen.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8(),
                 QStringLiteral("app/menus.txt"));
    // F1 and F10 carry no command.
    for (QAction* action : rig.window->findChildren<QAction*>()) {
        SCOPED_TRACE(action->objectName().toStdString());
        EXPECT_NE(action->shortcut(), QKeySequence(Qt::Key_F1));
        EXPECT_NE(action->shortcut(), QKeySequence(Qt::Key_F10));
    }
}

TEST(MainWindowStartUp, FirstPageOfThePresentDayInAReadOnlyText1) {
    StartedApp rig;
    EXPECT_EQ(rig.DateLine(), QStringLiteral("     Friday, 04 Dec 2026 at 10:15 PM"));
    EXPECT_EQ(rig.Text1()->toPlainText(), rig.ShownPage());
    EXPECT_EQ(rig.program->Buffer().AllLines(), rig.program->Buffer().PageLines());
    EXPECT_EQ(rig.program->NextReportDay(), DayNumberOf(2026, 12, 5));
    EXPECT_TRUE(rig.messages.shown.empty());

    QPlainTextEdit* text1 = rig.Text1();
    EXPECT_TRUE(text1->isReadOnly());
    EXPECT_EQ(text1->font().family(), app::kTextFontName);
    EXPECT_DOUBLE_EQ(text1->font().pointSizeF(), 9.25);
    EXPECT_FALSE(text1->font().bold());
}

TEST(MainWindowStartUp, MissingTextFontIsToldOnceAndTheFirstPageStillShows) {
    AppRig rig(/*fontInstalled=*/false);
    rig.window->StartUp();
    EXPECT_EQ(rig.Shown(),
              "Information!|Exclamation|No fixed-pitch font is installed, so the columns of the "
              "pages will not line up. Please install one, for example with the package "
              "fonts-liberation.");
    EXPECT_EQ(rig.Text1()->toPlainText(), rig.ShownPage());
    EXPECT_GT(rig.program->Buffer().PageLineCount(), 5);
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
    const QFont font = rig.Text1()->font();
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 11.5);
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.italic());
    EXPECT_TRUE(rig.Action("mnuFontsBold")->isChecked());
    EXPECT_TRUE(rig.Action("mnuFontsItalic")->isChecked());
}

TEST(MainWindowCaption, VelmarisUntilTheFirstTickThenDateAndTime) {
    StartedApp rig;
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

TEST(MainWindowCaption, DateAndTimeWithSecondsInTheLocale) {
    const std::tuple<QLocale::Language, QLocale::Territory, QDateTime, const char*> cases[] = {
        {QLocale::English, QLocale::UnitedStates, QDateTime(QDate(2027, 1, 9), QTime(9, 5, 7)),
         "VELMARIS - 09 Jan 2027     9:05:07 AM"},
        {QLocale::German, QLocale::Germany, TestMoment(), "VELMARIS - 04 Dez. 2026     22:15:30"},
        {QLocale::English, QLocale::UnitedKingdom, TestMoment(),
         "VELMARIS - 04 Dec 2026     22:15:30"},
    };
    for (const auto& [language, territory, now, want] : cases) {
        SCOPED_TRACE(want);
        EXPECT_EQ(
            app::CaptionText(QStringLiteral("VELMARIS - "), now, QLocale(language, territory)),
            QString::fromUtf8(want));
    }
}

TEST(MainWindowExit, ExitOrClosingTheWindowWritesTheSettingsFile) {
    for (const bool viaMenu : {true, false}) {
        SCOPED_TRACE(viaMenu ? "File Exit" : "window closed");
        StartedApp rig;
        rig.window->move(150, 45);
        rig.window->resize(640, 480);
        rig.Action("mnuFontsBold")->trigger();
        rig.Action("mnuFontsIncrease")->trigger();
        if (viaMenu) {
            rig.Action("mnuFileExit")->trigger();
        } else {
            rig.window->close();
        }
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
}

}  // namespace
}  // namespace velmaris::testing

namespace velmaris::testing {
namespace {

// Show Timing writes the day on screen again with a timing line under each aspect line, is
// kept in the settings file at exit and is checked again at the next start.
TEST(MainWindowTiming, ShowTimingRewritesTheDayAndIsKept) {
    const auto timingLines = [](const QString& page) {
        return page.count(QStringLiteral("\n        applying, ")) +
               page.count(QStringLiteral("\n        separating, "));
    };
    DataFolder kept;
    {
        StartedApp rig;
        QAction* item = rig.Action("mnuMoreShowTiming");
        EXPECT_FALSE(item->isChecked());
        const QString before = rig.ShownPage();
        const int aspects = static_cast<int>(before.count(QStringLiteral(" degree) - ")));
        ASSERT_GT(aspects, 0);
        EXPECT_EQ(timingLines(before), 0);
        item->trigger();
        EXPECT_TRUE(item->isChecked());
        EXPECT_EQ(rig.DateLine(), before.split(QLatin1Char('\n')).value(3));
        EXPECT_EQ(timingLines(rig.ShownPage()), aspects);
        rig.Action("mnuFileExit")->trigger();
        EXPECT_TRUE(rig.folder.Read(QStringLiteral("VELMARIS.INI")).endsWith("ShowTiming=-1\r\n"));
        kept.Write(QStringLiteral("VELMARIS.INI"), rig.folder.Read(QStringLiteral("VELMARIS.INI")));
    }
    AppRig rig;
    rig.folder.Write(QStringLiteral("VELMARIS.INI"), kept.Read(QStringLiteral("VELMARIS.INI")));
    rig.window->StartUp();
    EXPECT_TRUE(rig.Action("mnuMoreShowTiming")->isChecked());
    EXPECT_GT(timingLines(rig.ShownPage()), 0);
    rig.Action("mnuMoreShowTiming")->trigger();
    EXPECT_EQ(timingLines(rig.ShownPage()), 0);
}

}  // namespace
}  // namespace velmaris::testing
