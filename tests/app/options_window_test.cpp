#include "app/options_window.h"
#include "app_fixture.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <tuple>

namespace velmaris::testing {
namespace {

const QString kOpt = QStringLiteral("OPTIONS.OPT");
const QString kMas = QStringLiteral("OPTIONS.MAS");

app::OptionsWindow* OpenOptions(AppRig& rig) {
    rig.Action("mnuOptions")->trigger();
    return rig.window->findChild<app::OptionsWindow*>();
}

void Click(QWidget* window, const char* button) {
    window->findChild<QPushButton*>(QLatin1String(button))->click();
}

QPlainTextEdit* Content(QWidget* window) {
    return window->findChild<QPlainTextEdit*>(QStringLiteral("txtContent"));
}

TEST(OptionsEditor, MissingFileSaysFileNotFoundAndOpensNothing) {
    StartedApp rig;
    ASSERT_TRUE(QFile::remove(rig.folder.FilePath(kOpt)));
    EXPECT_EQ(OpenOptions(rig), nullptr);
    EXPECT_EQ(rig.Shown(), "Warning!|Information|File Not Found");
}

TEST(OptionsEditor, OpensNotModalWithTheFileAndItsCaption) {
    StartedApp rig;
    app::OptionsWindow* options = OpenOptions(rig);
    ASSERT_NE(options, nullptr);
    EXPECT_TRUE(options->isVisible());
    EXPECT_FALSE(options->isModal());
    EXPECT_EQ(options->windowTitle(), QStringLiteral("Edit: OPTIONS.OPT"));
    const QString file = QString::fromUtf8(rig.folder.Read(kOpt));
    EXPECT_EQ(Content(options)->toPlainText(), QString(file).replace("\r\n", "\n"));
    EXPECT_EQ(options->size(), QSize(496, 264));  // 7440 by 3960 twips
    // The main window stays usable while it is open.
    rig.Action("mnuMoreZForward")->trigger();
    EXPECT_EQ(rig.program->NextReportDay(), DayNumberOf(2026, 12, 6));
    // A second Options command brings the same window forward.
    EXPECT_EQ(OpenOptions(rig), options);
    EXPECT_EQ(rig.window->findChildren<app::OptionsWindow*>().size(), 1);
}

TEST(OptionsEditor, SaveKeepsAnUneditedFileByteForByteAndReadsTheOptionsAgain) {
    StartedApp rig;
    const QByteArray before = rig.folder.Read(kOpt);
    app::OptionsWindow* options = OpenOptions(rig);
    Click(options, "btnSave");
    EXPECT_EQ(rig.folder.Read(kOpt), before);
    EXPECT_TRUE(options->isVisible());
    EXPECT_TRUE(rig.messages.shown.empty());

    EXPECT_EQ(rig.program->Options()[1], 1.5F);
    QString text = Content(options)->toPlainText();
    ASSERT_TRUE(text.startsWith(QStringLiteral("1.5    ")));
    Content(options)->setPlainText(text.replace(0, 7, QStringLiteral("4      ")));
    Click(options, "btnSave");
    EXPECT_EQ(rig.program->Options()[1], 4.0F);
    EXPECT_TRUE(rig.folder.Read(kOpt).startsWith("4      Orb"));
}

// Keys typed with Alt, Ctrl or Meta held never become text; plain keys, AltGr (Ctrl+Alt) and
// the editing shortcuts work as usual.
TEST(OptionsEditor, KeysWithAltOrCtrlDoNotTypeText) {
    StartedApp rig;
    QPlainTextEdit* content = Content(OpenOptions(rig));
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

TEST(OptionsEditor, RestoreDefaultSettingsCopiesTheMasterCopyAndQuitSavesNothing) {
    StartedApp rig;
    rig.folder.Write(kOpt, "3      edited orb\r\n");
    app::OptionsWindow* options = OpenOptions(rig);
    EXPECT_EQ(Content(options)->toPlainText(), QStringLiteral("3      edited orb\n"));
    Click(options, "cmdRestoreDefault");
    const QByteArray master = rig.folder.Read(kMas);
    EXPECT_EQ(rig.folder.Read(kOpt), master);
    EXPECT_EQ(Content(options)->toPlainText(), QString::fromUtf8(master).replace("\r\n", "\n"));

    Content(options)->setPlainText(QStringLiteral("9\n"));
    QPointer<app::OptionsWindow> open = options;
    Click(options, "btnQuit");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(open.isNull());
    EXPECT_EQ(rig.folder.Read(kOpt), master);
    EXPECT_EQ(rig.program->Options()[1], 1.5F);
}

TEST(OptionsEditor, FailedRestoreSaysSoAndKeepsTheTextAndTheFile) {
    StartedApp rig;
    ASSERT_TRUE(QFile::remove(rig.folder.FilePath(kMas)));
    const QByteArray before = rig.folder.Read(kOpt);
    app::OptionsWindow* options = OpenOptions(rig);
    Content(options)->setPlainText(QStringLiteral("unsaved edit\n"));
    Click(options, "cmdRestoreDefault");
    EXPECT_EQ(rig.Shown(), "Warning!|Information|Error in operation. Cannot do what is requested.");
    EXPECT_EQ(Content(options)->toPlainText(), QStringLiteral("unsaved edit\n"));
    EXPECT_EQ(rig.folder.Read(kOpt), before);
}

}  // namespace
}  // namespace velmaris::testing
