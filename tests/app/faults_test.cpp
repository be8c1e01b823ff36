// Faults around the windows: a program folder that is read-only or full, and a staging file
// that is gone or unreadable when the review window loads.
// Each is told in a message; no file the user had is lost or cut short.
#include "app/print_review_window.h"
#include "app_fixture.h"
#include "session/output_commands.h"
#include "support/output_fakes.h"
#include "support/scratch_mount.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QPointer>
#include <QPushButton>

namespace velmaris::testing {
namespace {

const QString kOptionsFile = QStringLiteral("OPTIONS.OPT");
const QString kSettingsFile = QStringLiteral("VELMARIS.INI");
const QString kStagingFile = QStringLiteral("PRNTFILE.XXX");

QStringList FolderEntries(const DataFolder& folder) {
    return QDir(folder.Path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
}

TEST(UnwritableFolder, EveryWriteSaysSoAndNothingIsLost) {
    for (const bool readOnly : {true, false}) {
        SCOPED_TRACE(readOnly ? "read-only program folder" : "full disk");
        AppRig rig(true, false);
        const ScratchMount mount(rig.folder.Path(), "2m");
        if (!mount.IsMounted()) {
            GTEST_SKIP() << "cannot mount a small tmpfs here";
        }
        CopyDataFiles(rig.folder);
        const QByteArray oldSettings = "FontSize= 11\r\n";
        const QByteArray oldStaged = "staged before\r\n";
        rig.folder.Write(kSettingsFile, oldSettings);
        rig.folder.Write(kStagingFile, oldStaged);
        const QByteArray oldOptions = rig.folder.Read(kOptionsFile);
        rig.window->StartUp();
        ASSERT_TRUE(readOnly ? mount.MakeReadOnly() : mount.Fill());
        const QStringList entries = FolderEntries(rig.folder);
        rig.messages.shown.clear();

        // The options editor: Save and Restore Default Settings fail; the typed text stays.
        rig.Action("mnuOptions")->trigger();
        auto* editor = rig.window->findChild<QDialog*>(QStringLiteral("Options"));
        ASSERT_NE(editor, nullptr);
        auto* text = editor->findChild<QPlainTextEdit*>(QStringLiteral("txtContent"));
        text->appendPlainText(QStringLiteral("typed"));
        const QString typed = text->toPlainText();
        editor->findChild<QPushButton*>(QStringLiteral("btnSave"))->click();
        editor->findChild<QPushButton*>(QStringLiteral("cmdRestoreDefault"))->click();
        EXPECT_EQ(text->toPlainText(), typed);
        // Print page: the page cannot be staged, so no review window opens.
        rig.Action("mnuPrint")->trigger();
        EXPECT_EQ(rig.window->findChild<QDialog*>(QStringLiteral("PrntFile")), nullptr);
        // Exit: the settings cannot be written; the program ends all the same.
        rig.Action("mnuFileExit")->trigger();
        EXPECT_FALSE(rig.window->isVisible());

        const QStringList wantStarts = {
            QStringLiteral("OPTIONS.OPT cannot be written in %1. The file has been left as it "
                           "was; your changes are still in the window.")
                .arg(rig.folder.Path()),
            QStringLiteral("Error in operation. Cannot do what is requested."),
            QStringLiteral("The file to print, "),
            QStringLiteral("The window settings cannot be written to VELMARIS.INI in "),
        };
        ASSERT_EQ(rig.messages.shown.size(), static_cast<std::size_t>(wantStarts.size()));
        for (qsizetype i = 0; i < wantStarts.size(); ++i) {
            const ShownMessage& shown = rig.messages.shown[static_cast<std::size_t>(i)];
            EXPECT_TRUE(shown.text.startsWith(wantStarts[i])) << shown.text.toStdString();
        }
        EXPECT_EQ(rig.folder.Read(kOptionsFile), oldOptions);
        EXPECT_EQ(rig.folder.Read(kSettingsFile), oldSettings);
        EXPECT_EQ(rig.folder.Read(kStagingFile), oldStaged);
        EXPECT_EQ(FolderEntries(rig.folder), entries);  // no temporary file left behind
    }
}

TEST(PrintReviewLoad, StagingFileGoneOrUnreadableIsToldAndTheWindowStillWorks) {
    struct Case {
        const char* label;
        void (*spoil)(const QString& path);
    };
    const Case cases[] = {
        {"missing", [](const QString&) {}},
        {"a folder in its place", [](const QString& path) { QDir().mkdir(path); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        StartedApp rig;
        ScriptedFileDialog dialog;
        RecordingPrinter printer;
        session::OutputCommands output(*rig.program, rig.messages, dialog, printer);
        ASSERT_TRUE(output.StagePage());
        const QString path = output.StagingFilePath();
        ASSERT_TRUE(QFile::remove(path));
        c.spoil(path);
        rig.messages.shown.clear();

        QPointer<app::PrintReviewWindow> window = new app::PrintReviewWindow(output);
        window->LoadStagedText();
        ASSERT_EQ(rig.messages.shown.size(), 1U);
        EXPECT_EQ(rig.messages.shown[0].text,
                  QStringLiteral("The file to print, %1, could not be read.")
                      .arg(QDir::toNativeSeparators(path)));
        EXPECT_TRUE(window->findChild<QPlainTextEdit*>(QStringLiteral("txtContent"))
                        ->toPlainText()
                        .isEmpty());
        EXPECT_FALSE(window->LongLineFlag());
        window->show();
        window->findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(window.isNull());
        EXPECT_TRUE(printer.jobs.empty());
    }
}

}  // namespace
}  // namespace velmaris::testing
