// A program folder that is read-only or full: each write is told in a message, and no file the
// user had is lost or cut short. (A staging file that cannot be read: print_review_test.cpp.)
#include "app/start_up.h"
#include "app_fixture.h"
#include "support/golden.h"
#include "support/output_fakes.h"
#include "support/scratch_mount.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QMap>
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
        dialog.nextAnswer = rig.folder.FilePath(QStringLiteral("SAVED.TXT"));
        session::OutputCommands(*rig.program, rig.messages, dialog, *rig.printer).Save();
        // A print-out to a new PDF file, without a printer.
        rig.printer->SetPdfOutput(rig.folder.FilePath(QStringLiteral("PRINT.PDF")));
        const platform::PrintOutcome printed = rig.printer->Print(
            {QStringLiteral("DejaVu Sans Mono"), 12, {{QStringLiteral("a line")}}});
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

}  // namespace
}  // namespace velmaris::testing
