#include "app/options_window.h"
#include "app_fixture.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

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
    AppRig rig;
    rig.window->StartUp();
    ASSERT_TRUE(QFile::remove(rig.folder.FilePath(kOpt)));
    EXPECT_EQ(OpenOptions(rig), nullptr);
    ASSERT_EQ(rig.messages.shown.size(), 1U);
    EXPECT_EQ(rig.messages.shown[0].text, QStringLiteral("File Not Found"));
    EXPECT_EQ(rig.messages.shown[0].title, QStringLiteral("Warning!"));
    EXPECT_EQ(rig.messages.shown[0].style, platform::MessageStyle::Information);
}

TEST(OptionsEditor, OpensNotModalWithTheFileAndItsCaption) {
    AppRig rig;
    rig.window->StartUp();
    app::OptionsWindow* options = OpenOptions(rig);
    ASSERT_NE(options, nullptr);
    EXPECT_TRUE(options->isVisible());
    EXPECT_FALSE(options->isModal());
    EXPECT_EQ(options->objectName(), QStringLiteral("Options"));
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

TEST(OptionsEditor, SaveWithoutEditsRewritesTheFileByteForByte) {
    AppRig rig;
    rig.window->StartUp();
    const QByteArray before = rig.folder.Read(kOpt);
    app::OptionsWindow* options = OpenOptions(rig);
    Click(options, "btnSave");
    EXPECT_EQ(rig.folder.Read(kOpt), before);
    EXPECT_TRUE(options->isVisible());
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST(OptionsEditor, SaveReadsTheOptionsAgain) {
    AppRig rig;
    rig.window->StartUp();
    EXPECT_EQ(rig.program->Options()[1], 1.5F);
    app::OptionsWindow* options = OpenOptions(rig);
    QString text = Content(options)->toPlainText();
    ASSERT_TRUE(text.startsWith(QStringLiteral("1.5    ")));
    text.replace(0, 7, QStringLiteral("4      "));
    Content(options)->setPlainText(text);
    Click(options, "btnSave");
    EXPECT_EQ(rig.program->Options()[1], 4.0F);
    EXPECT_TRUE(rig.folder.Read(kOpt).startsWith("4      Orb"));
    EXPECT_EQ(rig.program->CaptionPrefix(), QStringLiteral("VELMARIS - "));
    // A wider orb finds at least as many aspects on the next page.
    const int linesBefore = rig.program->Buffer().PageLineCount();
    rig.Action("mnuMoreBackward")->trigger();
    EXPECT_GE(rig.program->Buffer().PageLineCount(), linesBefore);
}

TEST(OptionsEditor, TextTypedAfterTheLastLineBreakIsKept) {
    AppRig rig;
    rig.window->StartUp();
    app::OptionsWindow* options = OpenOptions(rig);
    Content(options)->setPlainText(QStringLiteral("2.5\n7"));
    Click(options, "btnSave");
    EXPECT_EQ(rig.folder.Read(kOpt), QByteArray("2.5\r\n7\r\n"));
}

TEST(OptionsEditor, RestoreDefaultSettingsCopiesTheMasterCopy) {
    AppRig rig;
    rig.window->StartUp();
    rig.folder.Write(kOpt, "3      edited orb\r\n");
    app::OptionsWindow* options = OpenOptions(rig);
    EXPECT_EQ(Content(options)->toPlainText(), QStringLiteral("3      edited orb\n"));
    Click(options, "cmdRestoreDefault");
    const QByteArray master = rig.folder.Read(kMas);
    EXPECT_EQ(rig.folder.Read(kOpt), master);
    EXPECT_EQ(Content(options)->toPlainText(), QString::fromUtf8(master).replace("\r\n", "\n"));
    // The options are read again only at the next Save or start-up.
    EXPECT_EQ(rig.program->Options()[1], 1.5F);
    QPointer<app::OptionsWindow> open = options;
    Click(options, "btnQuit");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(open.isNull());
    EXPECT_EQ(rig.folder.Read(kOpt), master);
}

TEST(OptionsEditor, FailedRestoreSaysSoAndKeepsTheText) {
    AppRig rig;
    rig.window->StartUp();
    ASSERT_TRUE(QFile::remove(rig.folder.FilePath(kMas)));
    app::OptionsWindow* options = OpenOptions(rig);
    Content(options)->setPlainText(QStringLiteral("unsaved edit\n"));
    Click(options, "cmdRestoreDefault");
    ASSERT_EQ(rig.messages.shown.size(), 1U);
    EXPECT_EQ(rig.messages.shown[0].text,
              QStringLiteral("Error in operation. Cannot do what is requested."));
    EXPECT_EQ(rig.messages.shown[0].title, QStringLiteral("Warning!"));
    EXPECT_EQ(rig.messages.shown[0].style, platform::MessageStyle::Information);
    EXPECT_EQ(Content(options)->toPlainText(), QStringLiteral("unsaved edit\n"));
}

TEST(OptionsEditor, QuitSavesNothing) {
    AppRig rig;
    rig.window->StartUp();
    const QByteArray before = rig.folder.Read(kOpt);
    app::OptionsWindow* options = OpenOptions(rig);
    Content(options)->setPlainText(QStringLiteral("9\n"));
    Click(options, "btnQuit");
    EXPECT_EQ(rig.folder.Read(kOpt), before);
    EXPECT_EQ(rig.program->Options()[1], 1.5F);
}

TEST(OptionsEditor, FailedSaveIsReportedAndTheTextStays) {
    AppRig rig;
    rig.window->StartUp();
    app::OptionsWindow* options = OpenOptions(rig);
    Content(options)->setPlainText(QStringLiteral("2\n"));
    // The folder goes away under the open window.
    const QByteArray before = rig.folder.Read(kOpt);
    QDir(rig.folder.Path()).removeRecursively();
    Click(options, "btnSave");
    ASSERT_EQ(rig.messages.shown.size(), 1U);
    EXPECT_TRUE(rig.messages.shown[0].text.contains(QStringLiteral("OPTIONS.OPT")));
    EXPECT_EQ(Content(options)->toPlainText(), QStringLiteral("2\n"));
    EXPECT_EQ(rig.program->Options()[1], 1.5F);
}

}  // namespace
}  // namespace velmaris::testing
