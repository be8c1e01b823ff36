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

}  // namespace
}  // namespace velmaris::testing
