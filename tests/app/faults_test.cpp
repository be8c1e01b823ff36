// Faults around the windows: a program folder that is read-only or full, and a staging file
// that is gone or unreadable when the review window loads.
// Each is told in a message; no file the user had is lost or cut short.
#include "app/print_review_window.h"
#include "app/start_up.h"
#include "app_fixture.h"
#include "session/output_commands.h"
#include "support/golden.h"
#include "support/output_fakes.h"
#include "support/scratch_mount.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QMap>
#include <QPointer>
#include <QPushButton>

namespace velmaris::testing {
namespace {

// Every entry of the folder with what it holds (folders hold nothing here).
QMap<QString, QByteArray> Snapshot(const DataFolder& folder) {
    QMap<QString, QByteArray> entries;
    for (const QString& name :
         QDir(folder.Path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        entries.insert(name, folder.Read(name));
    }
    return entries;
}

// Each write the user can ask for, in a folder that cannot take it. The messages, with the
// folder's path written FOLDER, are in tests/data/app/unwritable-folder.txt.
TEST(UnwritableFolder, EveryWriteSaysSoAndNothingIsLost) {
    QString told;
    for (const bool readOnly : {true, false}) {
        SCOPED_TRACE(readOnly ? "read-only program folder" : "full disk");
        AppRig rig(true, false);
        const ScratchMount mount(rig.folder.Path(), "2m");
        if (!mount.IsMounted()) {
            GTEST_SKIP() << "cannot mount a small tmpfs here";
        }
        CopyDataFiles(rig.folder);
        rig.folder.Write(QStringLiteral("VELMARIS.INI"), "FontSize= 11\r\n");
        rig.folder.Write(QStringLiteral("PRNTFILE.XXX"), "staged before\r\n");
        rig.folder.Write(QStringLiteral("SAVED.TXT"), "saved before\r\n");
        rig.window->StartUp();
        ASSERT_TRUE(readOnly ? mount.MakeReadOnly() : mount.Fill());
        const QMap<QString, QByteArray> before = Snapshot(rig.folder);
        rig.messages.shown.clear();

        // Start-up: no lock file can be made, so the program runs without one instead of
        // claiming that another copy runs.
        platform::SingleCopyLock lock(rig.folder.Path());
        EXPECT_EQ(app::DecideSingleCopy(lock, rig.messages, rig.folder.Path()),
                  app::LockDecision::Run);
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
        // Save over an old report.
        ScriptedFileDialog dialog;
        RecordingPrinter recording;
        dialog.nextAnswer = rig.folder.FilePath(QStringLiteral("SAVED.TXT"));
        session::OutputCommands(*rig.program, rig.messages, dialog, recording).Save();
        // A print-out to a new PDF file, without a printer.
        platform::QtPrinter printer(rig.folder.Path());
        printer.SetPdfOutput(rig.folder.FilePath(QStringLiteral("PRINT.PDF")));
        const platform::PrintOutcome printed =
            printer.Print({QStringLiteral("DejaVu Sans Mono"), 12, {{QStringLiteral("a line")}}});
        EXPECT_FALSE(printed.printed);
        // Exit: the settings cannot be written; the program ends all the same.
        rig.Action("mnuFileExit")->trigger();
        EXPECT_FALSE(rig.window->isVisible());

        told +=
            QString::fromStdString((readOnly ? "# read-only\n" : "# full disk\n") + rig.Shown()) +
            QStringLiteral("\nprint-out: ") + printed.error + QLatin1Char('\n');
        told.replace(rig.folder.Path(), QStringLiteral("FOLDER"));
        // Old files whole, no temporary file, lock file or cut-off PDF left behind.
        EXPECT_EQ(Snapshot(rig.folder), before);
    }
    ExpectGolden(told.toUtf8(), QStringLiteral("app/unwritable-folder.txt"));
}

TEST(PrintReviewLoad, StagingFileGoneOrUnreadableIsToldAndTheWindowStillWorks) {
    for (const bool folderInItsPlace : {false, true}) {
        SCOPED_TRACE(folderInItsPlace ? "a folder in its place" : "missing");
        StartedApp rig;
        ScriptedFileDialog dialog;
        RecordingPrinter printer;
        session::OutputCommands output(*rig.program, rig.messages, dialog, printer);
        ASSERT_TRUE(output.StagePage());
        const QString path = output.StagingFilePath();
        ASSERT_TRUE(QFile::remove(path));
        ASSERT_TRUE(!folderInItsPlace || QDir().mkdir(path));
        rig.messages.shown.clear();

        QPointer<app::PrintReviewWindow> window = new app::PrintReviewWindow(output);
        window->LoadStagedText();
        EXPECT_EQ(rig.Shown(), "Warning!|Exclamation|The file to print, " +
                                   QDir::toNativeSeparators(path).toStdString() +
                                   ", could not be read.");
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
