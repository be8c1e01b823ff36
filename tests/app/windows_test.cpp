#include "app/caption.h"
#include "app/main_window.h"
#include "app/new_date_dialog.h"
#include "app/options_window.h"
#include "app/text_font.h"
#include "app_fixture.h"
#include "support/golden.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>

#include <tuple>

namespace velmaris::testing {
namespace {

// ---- Main window ----

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

// ---- New Date fields ----

struct WithApplication {
    WithApplication() { EnsureApplication(); }
};

// The New Date dialog on its own, accepting whatever OK hands over.
struct DialogRig : WithApplication {
    FakeScreen screen;
    app::NewDateDialog dialog{domain::NewDateFields{"12", "5", "2026"},
                              [](const QString&, const QString&, const QString&) { return true; },
                              screen};
};

TEST(NewDateDialog, TypingKeepsDigitsAndFocusSelectsTheWholeField) {
    DialogRig rig;
    auto* day = rig.dialog.findChild<QLineEdit*>(QStringLiteral("txtDay"));
    day->clear();
    QTest::keyClicks(day, QStringLiteral("1a-2 x"));
    EXPECT_EQ(day->text(), QStringLiteral("12"));
    QTest::keyClick(day, Qt::Key_Backspace);
    QTest::keyClick(day, Qt::Key_Left);
    QTest::keyClicks(day, QStringLiteral("3"));
    EXPECT_EQ(day->text(), QStringLiteral("31"));

    rig.dialog.show();
    rig.dialog.activateWindow();
    auto* year = rig.dialog.findChild<QLineEdit*>(QStringLiteral("txtYear"));
    year->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(year->selectedText(), QStringLiteral("2026"));
    // Typing replaces the selected text.
    QTest::keyClicks(year, QStringLiteral("2030"));
    EXPECT_EQ(year->text(), QStringLiteral("2030"));
}

TEST(NewDateDialog, LabelsCarrySunkenFramesOnEveryPaint) {
    DialogRig rig;
    for (int paint = 0; paint < 2; ++paint) {
        SCOPED_TRACE(paint);
        const QImage image = rig.dialog.grab().toImage();
        for (const char* name : {"lblMonth", "lblDay", "lblYear"}) {
            SCOPED_TRACE(name);
            const QRect label = rig.dialog.findChild<QLabel*>(QLatin1String(name))->geometry();
            const int midY = label.center().y();
            const int midX = label.center().x();
            // Dark one pixel left of and above the label.
            EXPECT_EQ(image.pixelColor(label.x() - 1, midY), QColor(128, 128, 128));
            EXPECT_EQ(image.pixelColor(midX, label.y() - 1), QColor(128, 128, 128));
            // Light one pixel beyond the right and bottom edges.
            EXPECT_EQ(image.pixelColor(label.x() + label.width() + 1, midY), QColor(Qt::white));
            EXPECT_EQ(image.pixelColor(midX, label.y() + label.height() + 1), QColor(Qt::white));
        }
    }
}

// ---- About window ----

// ---- Help pages ----

// ---- Options editor ----

// Keys typed with Alt, Ctrl or Meta held never become text; plain keys, AltGr (Ctrl+Alt) and
// the editing shortcuts work as usual.
TEST(OptionsEditor, KeysWithAltOrCtrlDoNotTypeText) {
    StartedApp rig;
    rig.Action("mnuOptions")->trigger();
    auto* content = rig.window->findChild<app::OptionsWindow*>()->findChild<QPlainTextEdit*>(
        QStringLiteral("txtContent"));
    content->setPlainText(QStringLiteral("1.5"));
    content->moveCursor(QTextCursor::Start);
    const std::tuple<const char*, Qt::Key, Qt::KeyboardModifiers, const char*> cases[] = {
        {"Alt+O", Qt::Key_O, Qt::AltModifier, "1.5"},
        {"Ctrl+Q", Qt::Key_Q, Qt::ControlModifier, "1.5"},
        {"Meta+E", Qt::Key_E, Qt::MetaModifier, "1.5"},
        {"Alt+Shift+O", Qt::Key_O, Qt::AltModifier | Qt::ShiftModifier, "1.5"},
        {"plain 2", Qt::Key_2, Qt::NoModifier, "21.5"},
        {"AltGr as Ctrl+Alt", Qt::Key_At, Qt::ControlModifier | Qt::AltModifier, "2@1.5"},
        {"Ctrl+A then 7 replaces all", Qt::Key_A, Qt::ControlModifier, "2@1.5"},
        {"typed over the selection", Qt::Key_7, Qt::NoModifier, "7"},
    };
    for (const auto& [label, key, modifiers, want] : cases) {
        SCOPED_TRACE(label);
        QTest::keyClick(content, key, modifiers);
        EXPECT_EQ(content->toPlainText(), QLatin1String(want));
    }
}

// ---- Text font ----

TEST(FontStepFor, ScreenRules) {
    const std::tuple<int, double, double> cases[] = {
        {800, 15, 1.5},  {800, 12, 1.2},  {800, 20, 1.5},  {800, 10, 1.5},
        {1024, 15, 1.5}, {1024, 12, 1.2}, {1280, 20, 1.2}, {1920, 10, 1.2},
    };
    for (const auto& [width, twipsPerPixel, want] : cases) {
        SCOPED_TRACE(::testing::Message() << width << " px at " << twipsPerPixel);
        EXPECT_EQ(app::FontStepFor(width, twipsPerPixel), want);
    }
}

}  // namespace
}  // namespace velmaris::testing
