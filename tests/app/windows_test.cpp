#include "app/new_date_dialog.h"
#include "app/options_window.h"
#include "app/text_font.h"
#include "app_fixture.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <tuple>

namespace velmaris::testing {
namespace {

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
