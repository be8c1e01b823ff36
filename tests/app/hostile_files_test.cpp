// Every file the program reads or writes, replaced in turn by each hostile kind of file: the
// program never waits, never refuses falsely and never reports a lost write as done. The
// outcome of each (file, kind) is listed in tests/data/hostile-files.tsv.
#include "app_fixture.h"
#include "help/help_topic.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/single_copy_lock.h"
#include "session/output_commands.h"
#include "support/output_fakes.h"
#include "support/scratch_mount.h"
#include "support/table.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRandomGenerator>

#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <iostream>
#include <optional>

namespace velmaris::testing {
namespace {

enum class Kind {
    Missing,
    Empty,
    Directory,
    NamedPipe,
    Device,
    SymlinkLoop,
    DanglingSymlink,
    Huge,
    Garbage,
    FullDisk,
};

constexpr std::pair<Kind, const char*> kKinds[] = {
    {Kind::Missing, "missing"},
    {Kind::Empty, "empty"},
    {Kind::Directory, "directory"},
    {Kind::NamedPipe, "named-pipe"},
    {Kind::Device, "device"},
    {Kind::SymlinkLoop, "symlink-loop"},
    {Kind::DanglingSymlink, "dangling-symlink"},
    {Kind::Huge, "huge"},
    {Kind::Garbage, "garbage"},
    {Kind::FullDisk, "full-disk"},
};

// Puts the hostile kind at `path` (a full disk is made by the case itself). Files are dated a
// minute back, as a file left by an earlier run is.
void Make(Kind kind, const QString& path, bool forWriting) {
    const QByteArray name = QFile::encodeName(path);
    QFile::remove(path);
    QDir(path).removeRecursively();
    switch (kind) {
        case Kind::Missing:
        case Kind::FullDisk:
            return;
        case Kind::Empty:
            QFile(path).open(QIODevice::WriteOnly);
            break;
        case Kind::Directory:
            QDir().mkpath(path + QStringLiteral("/inside"));
            return;
        case Kind::NamedPipe:
            ASSERT_EQ(::mkfifo(name.constData(), 0644), 0);
            return;
        case Kind::Device:
            // A device that never ends when read, and is always full when written.
            ASSERT_TRUE(QFile::link(
                forWriting ? QStringLiteral("/dev/full") : QStringLiteral("/dev/zero"), path));
            return;
        case Kind::SymlinkLoop:
            ASSERT_TRUE(QFile::link(path, path));
            return;
        case Kind::DanglingSymlink:
            ASSERT_TRUE(QFile::link(path + QStringLiteral(".nowhere"), path));
            return;
        case Kind::Huge: {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            ASSERT_TRUE(file.resize(qint64{100} * 1024 * 1024));  // sparse: no disk used
            break;
        }
        case Kind::Garbage: {
            QByteArray bytes(64 * 1024, '\0');
            QRandomGenerator generator(1234);
            for (char& byte : bytes) {
                byte = static_cast<char>(generator.bounded(256));
            }
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(bytes);
            break;
        }
    }
    QFile file(path);
    if (file.open(QIODevice::ReadWrite)) {
        file.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                         QFileDevice::FileModificationTime);
    }
}

// One case: the program's folder with the data files, the main window and its commands.
struct Case {
    explicit Case(bool fullDisk) : rig(true, false) {
        if (fullDisk) {
            mount.emplace(rig.folder.Path(), "4m");
        }
        CopyDataFiles(rig.folder);
    }
    [[nodiscard]] bool Usable() const { return !mount || mount->IsMounted(); }
    void FillDisk() const {
        if (mount) {
            ASSERT_TRUE(mount->Fill());
        }
    }
    // What a regular file at `name` holds; nothing for a pipe or a device, which would block
    // or never end.
    [[nodiscard]] QByteArray ReadIfRegular(const char* name) const {
        return QFileInfo(Path(name)).isFile() ? rig.folder.Read(QLatin1String(name)) : QByteArray();
    }
    [[nodiscard]] QString Path(const char* name) const {
        return rig.folder.FilePath(QLatin1String(name));
    }
    // "page" when the first page was written; then each message's title, and whether it
    // names `file`.
    [[nodiscard]] QString Told(const QString& file) const {
        QStringList parts;
        for (const ShownMessage& shown : rig.messages.shown) {
            parts << (shown.text.contains(file) ? QStringLiteral("message naming it")
                                                : QStringLiteral("message"));
        }
        parts.removeDuplicates();
        return parts.isEmpty() ? QStringLiteral("quiet") : parts.join(QLatin1Char('+'));
    }
    [[nodiscard]] QString PageAnd(const QString& file) const {
        const bool page = rig.program->Buffer().PageText().contains(
            QStringLiteral("TRANSITING PLANET ASPECTS TO NATAL PLANETS"));
        return (page ? QStringLiteral("page, ") : QStringLiteral("no page, ")) + Told(file);
    }

    AppRig rig;
    std::optional<ScratchMount> mount;
    ScriptedFileDialog dialog;
    RecordingPrinter printer;
};

const char* const kInterpretationFiles[] = {"SUN.TXT",    "MERCURY.TXT", "VENUS.TXT",
                                            "MARS.TXT",   "JUPITER.TXT", "SATURN.TXT",
                                            "URANUS.TXT", "NEPTUNE.TXT", "PLUTO.TXT"};

struct Target {
    const char* name;
    bool writes;  // the program writes this file (a full disk matters)
    std::function<QString(Case&, Kind)> run;
};

const Target kTargets[] = {
    {"OPTIONS.OPT", false,
     [](Case& c, Kind kind) {
         Make(kind, c.Path("OPTIONS.OPT"), false);
         c.rig.window->StartUp();
         const bool restored = c.ReadIfRegular("OPTIONS.OPT") == c.ReadIfRegular("OPTIONS.MAS");
         return c.PageAnd(QStringLiteral("OPTIONS.")) +
                (restored ? QStringLiteral(", master copied") : QString());
     }},
    {"OPTIONS.MAS", false,
     [](Case& c, Kind kind) {
         QFile::remove(c.Path("OPTIONS.OPT"));
         Make(kind, c.Path("OPTIONS.MAS"), false);
         c.rig.window->StartUp();
         return c.PageAnd(QStringLiteral("OPTIONS."));
     }},
    {"VELMARIS.INI", false,
     [](Case& c, Kind kind) {
         Make(kind, c.Path("VELMARIS.INI"), false);
         c.rig.window->StartUp();
         return c.PageAnd(QStringLiteral("VELMARIS.INI"));
     }},
    {"VELMARIS.INI at exit", true,
     [](Case& c, Kind kind) {
         c.rig.window->StartUp();
         Make(kind, c.Path("VELMARIS.INI"), true);
         c.FillDisk();
         c.rig.messages.shown.clear();
         c.rig.Action("mnuFileExit")->trigger();
         return c.Told(QStringLiteral("VELMARIS.INI"));
     }},
    {"interpretation files", false,
     [](Case& c, Kind kind) {
         for (const char* name : kInterpretationFiles) {
             Make(kind, c.Path(name), false);
         }
         c.rig.window->StartUp();
         return c.PageAnd(QStringLiteral(".TXT"));
     }},
    {"help topic", false,
     [](Case& c, Kind kind) {
         c.rig.window->StartUp();
         c.rig.messages.shown.clear();
         Make(kind, c.Path("HINTS.HLP"), false);
         c.rig.Action("mnuHelpHints")->trigger();
         return c.Told(QStringLiteral("HINTS.HLP"));
     }},
    {"VELMARIS.LCK", true,
     [](Case& c, Kind kind) {
         Make(kind, c.Path("VELMARIS.LCK"), true);
         c.FillDisk();
         platform::SingleCopyLock lock(c.rig.folder.Path());
         switch (lock.TryAcquire()) {
             case platform::LockOutcome::Acquired:
                 return QStringLiteral("acquired");
             case platform::LockOutcome::HeldByAnotherCopy:
                 return QStringLiteral("refused");
             case platform::LockOutcome::HeldOnAnotherHost:
                 return QStringLiteral("asks");
             case platform::LockOutcome::NotPossible:
                 break;
         }
         return QStringLiteral("runs without a lock");
     }},
    {"PRNTFILE.XXX", true,
     [](Case& c, Kind kind) {
         c.rig.window->StartUp();
         session::OutputCommands commands(*c.rig.program, c.rig.messages, c.dialog, c.printer);
         Make(kind, commands.StagingFilePath(), true);
         c.FillDisk();
         c.rig.messages.shown.clear();
         const bool staged = commands.StagePage();
         const domain::StagedText text = commands.LoadStagedText();
         return (staged && text.readable ? QStringLiteral("staged, ")
                                         : QStringLiteral("not staged, ")) +
                c.Told(QStringLiteral("PRNTFILE.XXX"));
     }},
    {"saved file", true,
     [](Case& c, Kind kind) {
         c.rig.window->StartUp();
         session::OutputCommands commands(*c.rig.program, c.rig.messages, c.dialog, c.printer);
         const QString path = c.Path("SAVED.TXT");
         Make(kind, path, true);
         c.FillDisk();
         c.rig.messages.shown.clear();
         c.dialog.nextAnswer = path;
         commands.Save();
         const bool whole = c.ReadIfRegular("SAVED.TXT").contains("TRANSITING PLANET");
         return (whole ? QStringLiteral("saved, ") : QStringLiteral("not saved, ")) +
                c.Told(QStringLiteral("SAVED.TXT"));
     }},
    {"PDF output", true,
     [](Case& c, Kind kind) {
         const QString path = c.Path("PRINT.PDF");
         Make(kind, path, true);
         c.FillDisk();
         platform::QtPrinter printer(c.rig.folder.Path());
         printer.SetPdfOutput(path);
         const platform::PrintOutcome outcome =
             printer.Print({QStringLiteral("DejaVu Sans Mono"), 12, {{QStringLiteral("a line")}}});
         const QByteArray written = c.ReadIfRegular("PRINT.PDF");
         const bool pdf = written.startsWith("%PDF") && written.trimmed().endsWith("%%EOF");
         if (outcome.printed != pdf) {
             return QStringLiteral("told %1 but the PDF is %2")
                 .arg(outcome.printed ? "printed" : "failed", pdf ? "whole" : "not whole");
         }
         return outcome.printed
                    ? QStringLiteral("printed")
                    : QStringLiteral("failed: ") + outcome.error.section(':', -1).trimmed();
     }},
};

QMap<QString, QString> ExpectedOutcomes() {
    QMap<QString, QString> expected;
    for (const QList<QByteArray>& row : ReadTable(QStringLiteral("hostile-files.tsv"), 3)) {
        expected.insert(QString::fromUtf8(row[0] + '\t' + row[1]), QString::fromUtf8(row[2]));
    }
    return expected;
}

TEST(HostileFiles, EachFileAndEachKindHasItsOutcome) {
    EnsureApplication();
    // A case that waits for ever fails the run instead of hanging it.
    ::alarm(600);
    const QMap<QString, QString> expected = ExpectedOutcomes();
    ASSERT_FALSE(expected.isEmpty());
    QStringList observed;
    int cases = 0;
    for (const Target& target : kTargets) {
        for (const auto& [kind, kindName] : kKinds) {
            if (kind == Kind::FullDisk && !target.writes) {
                continue;  // only a write can meet a full disk
            }
            const QString key =
                QLatin1String(target.name) + QLatin1Char('\t') + QLatin1String(kindName);
            Case c(kind == Kind::FullDisk);
            if (!c.Usable()) {
                observed << key + QStringLiteral("\t(skipped: no tmpfs)");
                continue;
            }
            ++cases;
            const QString outcome = target.run(c, kind);
            observed << key + QLatin1Char('\t') + outcome;
            EXPECT_EQ(outcome.toStdString(), expected.value(key).toStdString())
                << key.toStdString();
        }
    }
    ::alarm(0);
    std::cout << cases << " cases\n" << observed.join('\n').toStdString() << '\n';
}

}  // namespace
}  // namespace velmaris::testing
