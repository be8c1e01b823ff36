// Faults around the program: a program folder that is read-only or full, a staging file
// that is gone, and every hostile kind of file in place of each file the program uses.
#include "app/start_up.h"
#include "app_fixture.h"
#include "platform/qt/single_copy_lock.h"
#include "support/bad_bytes.h"
#include "support/output_fakes.h"
#include "support/scratch_mount.h"
#include "support/table.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QFileInfo>
#include <QMap>
#include <QPushButton>
#include <QSet>

#include <sys/stat.h>
#include <unistd.h>
#include <functional>

namespace velmaris::testing {
namespace {

// A program folder that is read-only or full: each write is told in a message, and no file the
// user had is lost or cut short. (A staging file that cannot be read: print_review_test.cpp.)
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

        told += QString::fromStdString((readOnly ? "# read-only\n" : "# full disk\n") +
                                       rig.messages.Lines()) +
                QStringLiteral("\nprint-out: ") + printed.error + QLatin1Char('\n');
        told.replace(rig.folder.Path(), QStringLiteral("FOLDER"));
        // Old files whole, no temporary file, lock file or cut-off PDF left behind.
        EXPECT_EQ(Snapshot(rig.folder), before);
    }
    ExpectGolden(told.toUtf8(), QStringLiteral("app/unwritable-folder.txt"));
}

// Every file the program reads or writes, replaced in turn by each hostile kind of file: the
// program never waits, never refuses falsely and never reports a lost write as done. The
// outcome of each (file, kind) is listed in tests/data/hostile-files.tsv. A full disk and a
// read-only folder are tried for every write by UnwritableFolder (faults_test.cpp).
// Puts the hostile kind of file at `path`. Files are dated a minute back, as a file left by an
// earlier run is.
void Make(const QByteArray& kind, const QString& path, bool forWriting) {
    QFile::remove(path);
    // Kinds that are no regular file. A device never ends when read, and is always full when
    // written.
    const QMap<QByteArray, std::function<bool()>> irregular = {
        {"missing", [] { return true; }},
        {"directory", [&path] { return QDir().mkpath(path + QStringLiteral("/inside")); }},
        {"named-pipe",
         [&path] { return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0; }},
        {"device", [&] { return QFile::link(forWriting ? "/dev/full" : "/dev/zero", path); }},
        {"symlink-loop", [&path] { return QFile::link(path, path); }},
        {"dangling-symlink",
         [&path] { return QFile::link(path + QStringLiteral(".nowhere"), path); }}};
    if (irregular.contains(kind)) {
        ASSERT_TRUE(irregular[kind]());
        return;
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    if (kind == "huge") {
        ASSERT_TRUE(file.resize(qint64{100} * 1024 * 1024));  // sparse: no disk used
    } else if (kind == "garbage") {
        file.write(BinaryBytes(64 * 1024));
    } else {
        ASSERT_EQ(kind, "empty");
    }
    file.flush();
    file.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime);
}

// One case: the program's folder with the data files, the main window and its commands.
struct Case {
    // What a regular file at `name` holds; nothing for a pipe or a device, which would block
    // or never end.
    [[nodiscard]] QByteArray ReadIfRegular(const QString& name) const {
        return QFileInfo(Path(name)).isFile() ? rig.folder.Read(name) : QByteArray();
    }
    [[nodiscard]] QString Path(const QString& name) const { return rig.folder.FilePath(name); }
    // Whether messages were shown, and whether one names the file.
    [[nodiscard]] QString Told() const {
        QStringList parts;
        for (const ShownMessage& shown : rig.messages.shown) {
            parts << (shown.text.contains(names) ? QStringLiteral("message naming it")
                                                 : QStringLiteral("message"));
        }
        parts.removeDuplicates();
        return parts.isEmpty() ? QStringLiteral("quiet") : parts.join(QLatin1Char('+'));
    }
    // Whether the file's work was done, then Told().
    [[nodiscard]] QString Said(bool done, const char* yes, const char* no) const {
        return QLatin1String(done ? yes : no) + QStringLiteral(", ") + Told();
    }
    // Starts the program: whether the first page was written, then Told().
    QString StartUp() {
        rig.window->StartUp();
        return Said(rig.program->Buffer().PageText().contains(
                        QStringLiteral("TRANSITING PLANET ASPECTS TO NATAL PLANETS")),
                    "page", "no page");
    }
    QString Trigger(const char* item) {
        rig.Action(item)->trigger();
        return Told();
    }

    AppRig rig;
    QString names;  // what a message that names the file contains
    ScriptedFileDialog dialog;
    session::OutputCommands commands{*rig.program, rig.messages, dialog, *rig.printer};
};

// What the program does with each file or file group of tests/data/app/hostile-targets.tsv.
const QMap<QByteArray, std::function<QString(Case&)>> kRuns = {
    {"OPTIONS.OPT",
     [](Case& c) {
         const QString outcome = c.StartUp();
         const bool restored = c.ReadIfRegular("OPTIONS.OPT") == c.ReadIfRegular("OPTIONS.MAS");
         return outcome + (restored ? QStringLiteral(", master copied") : QString());
     }},
    {"OPTIONS.MAS",
     [](Case& c) {
         QFile::remove(c.Path("OPTIONS.OPT"));
         return c.StartUp();
     }},
    {"VELMARIS.INI", &Case::StartUp},
    {"VELMARIS.INI at exit", [](Case& c) { return c.Trigger("mnuFileExit"); }},
    {"interpretation files", &Case::StartUp},
    {"help topic", [](Case& c) { return c.Trigger("mnuHelpHints"); }},
    {"VELMARIS.LCK",
     [](Case& c) {
         using enum platform::LockOutcome;
         const QMap<platform::LockOutcome, QString> said = {{Acquired, "acquired"},
                                                            {HeldByAnotherCopy, "refused"},
                                                            {HeldOnAnotherHost, "asks"},
                                                            {NotPossible, "runs without a lock"}};
         return said.value(platform::SingleCopyLock(c.rig.folder.Path()).TryAcquire());
     }},
    {"PRNTFILE.XXX",
     [](Case& c) {
         return c.Said(c.commands.StagePage() && c.commands.LoadStagedText().readable, "staged",
                       "not staged");
     }},
    {"saved file",
     [](Case& c) {
         c.dialog.nextAnswer = c.Path("SAVED.TXT");
         c.commands.Save();
         return c.Said(c.ReadIfRegular("SAVED.TXT").contains("TRANSITING PLANET"), "saved",
                       "not saved");
     }},
    {"PDF output",
     [](Case& c) {
         c.rig.printer->SetPdfOutput(c.Path("PRINT.PDF"));
         const platform::PrintOutcome outcome = c.rig.printer->Print(
             {QStringLiteral("DejaVu Sans Mono"), 12, {{QStringLiteral("a line")}}});
         const QByteArray written = c.ReadIfRegular("PRINT.PDF");
         const bool pdf = written.startsWith("%PDF") && written.trimmed().endsWith("%%EOF");
         const QString said = outcome.printed ? QStringLiteral("printed")
                                              : QStringLiteral("failed: ") +
                                                    outcome.error.section(':', -1).trimmed();
         return said + (pdf == outcome.printed ? QString() : QStringLiteral(", yet a PDF is not"));
     }},
};

TEST(HostileFiles, EachFileAndEachKindHasItsOutcome) {
    QMap<QByteArray, QList<QByteArray>> targets;
    for (const QList<QByteArray>& row : ReadTable(QStringLiteral("app/hostile-targets.tsv"), 5)) {
        targets.insert(row[0], row);
    }
    // A case that waits for ever fails the run instead of hanging it.
    ::alarm(600);
    const auto rows = ReadTable(QStringLiteral("hostile-files.tsv"), 3);
    QSet<QByteArray> kinds;
    for (const QList<QByteArray>& row : rows) {
        SCOPED_TRACE(row.join(" / ").toStdString());
        kinds.insert(row[1]);
        const QList<QByteArray> target = targets.value(row[0]);
        ASSERT_TRUE(kRuns.contains(row[0]) && !target.isEmpty());
        Case c;
        c.names = QString::fromUtf8(target[2]);
        if (target[4] == "yes") {
            c.rig.window->StartUp();
            c.rig.messages.shown.clear();
        }
        for (const QByteArray& file : target[1].split(' ')) {
            Make(row[1], c.Path(QString::fromUtf8(file)), target[3] == "yes");
        }
        EXPECT_EQ(kRuns[row[0]](c).toStdString(), row[2].toStdString());
    }
    ::alarm(0);
    // Every file meets every kind.
    EXPECT_EQ(rows.size(), static_cast<std::size_t>(targets.size() * kinds.size()));
}

}  // namespace
}  // namespace velmaris::testing
