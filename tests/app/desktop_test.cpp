// The program on the desktop: its icon, the folder it works in, a second start and the
// single-copy lock, decided at start-up and held across real processes.
#include "app/program_icon.h"
#include "app/start_up.h"
#include "app_fixture.h"
#include "help/help_topic.h"
#include "platform/program_folder.h"
#include "platform/qt/running_copy.h"
#include "support/fakes.h"
#include "support/table.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>

#include <array>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <optional>

namespace velmaris::testing {
namespace {

// How the program behaves on the desktop: its icon, a second start, the folder it works in.
TEST(DesktopTest, TheIconIsDrawnAtTheSizesDesktopsAskFor) {
    EnsureApplication();
    for (const int size : {16, 48, 256}) {
        const QImage image = app::ProgramIcon().pixmap(size, size).toImage();
        ASSERT_EQ(image.width(), size);
        // Something is drawn: the middle of the icon is not transparent.
        EXPECT_GT(qAlpha(image.pixel(size / 2, size / 2)), 0) << size;
    }
}

// A second start knocks on the running copy of its folder, and only on that one.
TEST(DesktopTest, ASecondStartRaisesTheCopyOfItsFolder) {
    EnsureApplication();
    QTemporaryDir first;
    QTemporaryDir other;
    platform::RunningCopyChannel running(first.path());
    ASSERT_TRUE(running.Listen());
    QSignalSpy raised(&running, &platform::RunningCopyChannel::raiseRequested);

    EXPECT_FALSE(platform::RunningCopyChannel::AskToRaise(other.path(), 200));
    EXPECT_TRUE(platform::RunningCopyChannel::AskToRaise(first.path() + QStringLiteral("/.")));
    EXPECT_TRUE(raised.wait(5000));
    EXPECT_EQ(raised.count(), 1);
}

// The folder of the executable's real path must be UTF-8 text:
// tests/data/app/executable-folders.tsv.
TEST(DesktopTest, TheExecutablesFolderMustBeText) {
    for (const auto& row : ReadTable(QStringLiteral("app/executable-folders.tsv"), 2)) {
        const std::optional<QString> folder = platform::FolderOfExecutable(row[0]);
        EXPECT_EQ(folder.value_or(QStringLiteral("(none)")).toStdString(), row[1].toStdString())
            << row[0].toStdString();
    }
}

// Started from a folder whose name is not UTF-8, the program stops with a message and writes
// nothing, neither there nor in the working folder.
TEST(DesktopTest, AFolderThatIsNotTextStopsTheProgram) {
    namespace fs = std::filesystem;
    QTemporaryDir root;
    const fs::path base(root.path().toStdString());
    const fs::path bad = base / std::string("V\xe9lmaris");
    const fs::path work = base / "work";
    fs::create_directory(work);
    fs::copy(VELMARIS_DATA_DIR, bad);
    fs::copy_file(VELMARIS_EXECUTABLE, bad / "velmaris");
    fs::create_symlink(bad / "velmaris", base / "velmaris");

    QProcess process;
    process.setWorkingDirectory(QString::fromStdString(work.string()));
    process.start(root.path() + QStringLiteral("/velmaris"), {QStringLiteral("--report")});
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardOutput().isEmpty());
    EXPECT_TRUE(process.readAllStandardError().contains("not UTF-8"));
    const auto entries = [](const fs::path& folder) {
        return std::distance(fs::directory_iterator(folder), {});
    };
    EXPECT_EQ(entries(work), 0);
    EXPECT_EQ(entries(bad), entries(VELMARIS_DATA_DIR) + 1);
    // QTemporaryDir cannot name the folder to remove it.
    fs::remove_all(bad);
}

// The Program Folder item, then the text for a folder of its own seeded from the installed copy
// and for the installed folder itself.
TEST(DesktopTest, ProgramFolderItemNamesTheFolders) {
    StartedApp app;
    app.messages.shown.clear();
    app.Action("mnuHelpFolder")->trigger();
    const QString installed = QStringLiteral("/usr/share/velmaris");
    const QString told =
        QString::fromStdString(app.messages.Lines()) + QStringLiteral("\n---\n") +
        domain::ProgramFolderText(QStringLiteral("/home/u/.local/share/velmaris"), installed) +
        QStringLiteral("\n---\n") + domain::ProgramFolderText(installed, installed);
    ExpectGolden(QString(told).replace(app.folder.Path(), QStringLiteral("FOLDER")).toUtf8(),
                 QStringLiteral("app/program-folder.txt"));
}

// What a start does about the lock of its program folder, for each state the lock can be in.
// The cases are in tests/data/app/lock-decisions.tsv.
TEST(DecideSingleCopy, EachLockStateAndAnswer) {
    const QMap<app::LockDecision, QByteArray> decisions = {
        {app::LockDecision::Run, "run"},
        {app::LockDecision::Stop, "stop"},
        {app::LockDecision::StopAndRaiseOther, "stop and raise the other copy"}};
    for (const QList<QByteArray>& row : ReadTable(QStringLiteral("app/lock-decisions.tsv"), 5)) {
        SCOPED_TRACE(row[0].toStdString());
        DataFolder folder;
        std::optional<platform::SingleCopyLock> running;
        if (row[0] == "a copy here") {
            running.emplace(folder.Path());
            ASSERT_EQ(running->TryAcquire(), platform::LockOutcome::Acquired);
        } else if (row[0].startsWith("another computer")) {
            // As a copy on another computer leaves it: process number, program, host.
            folder.Write(QStringLiteral("VELMARIS.LCK"), "4242\nvelmaris\nfar-away-host\n");
        }
        RecordingMessages messages;
        messages.answer = row[1] == "yes";
        platform::SingleCopyLock lock(folder.Path());
        EXPECT_EQ(
            decisions.value(app::DecideSingleCopy(lock, messages, folder.Path())).toStdString(),
            row[2].toStdString());
        EXPECT_EQ(QString::fromStdString(messages.Texts(QLatin1Char('|')))
                      .replace(folder.Path(), QStringLiteral("FOLDER"))
                      .toStdString(),
                  row[3].toStdString());
        // Who holds the lock afterwards: this process, or still the copy that ran before.
        const QByteArray owner = folder.Read(QStringLiteral("VELMARIS.LCK"));
        const bool ours = owner.contains(QSysInfo::machineHostName().toUtf8()) &&
                          owner.startsWith(QByteArray::number(QCoreApplication::applicationPid()));
        EXPECT_EQ(ours ? "this process" : "not this process", row[4].toStdString());
    }
}

// The single-copy lock across real processes. Each copy is the helper program, which takes the
// same SingleCopyLock as VELMARIS in the folder it is given, when the test says "go".
// Bound on one step of a copy, so that a broken copy fails the test instead of hanging it.
constexpr int kStepMs = 30000;

// One copy of the program, started and ready; it tries the lock when told to go.
class Copy {
  public:
    explicit Copy(const QString& folder) {
        process_.start(QStringLiteral(VELMARIS_SINGLE_COPY_HELPER), {folder});
        EXPECT_EQ(NextLine(), QStringLiteral("ready"));
    }
    ~Copy() {
        process_.kill();
        process_.waitForFinished(kStepMs);
    }

    // The next line the copy prints, or nothing when it ends first.
    QString NextLine() {
        while (!process_.canReadLine() && process_.waitForReadyRead(kStepMs)) {
        }
        return QString::fromLatin1(process_.readLine()).trimmed();
    }
    void Go() {
        process_.write("go\n");
        process_.waitForBytesWritten(kStepMs);
    }
    // Ends the copy with the signal, or normally with 0.
    void End(int signal) {
        if (signal == 0) {
            process_.closeWriteChannel();
        } else {
            ASSERT_EQ(::kill(static_cast<pid_t>(process_.processId()), signal), 0);
        }
        EXPECT_TRUE(process_.waitForFinished(kStepMs));
        EXPECT_EQ(process_.exitStatus(), signal == 0 ? QProcess::NormalExit : QProcess::CrashExit);
    }

  private:
    QProcess process_;
};

// Each round: a copy takes the lock, its lock file is made old, a second copy is refused, the
// first is killed with SIGKILL, ended by SIGTERM or ended normally (0), and then two copies
// start at the same instant, over the lock the dead copy left or in a folder without one:
// exactly one of them runs.
TEST(SingleCopyProcesses, AnOldLockCountsButACopyThatDiedLeavesNoneThatBlocksTheNextStart) {
    EnsureApplication();
    for (int round = 0; round < 30; ++round) {
        const int signal = std::array{SIGKILL, SIGTERM, 0}[round % 3];
        SCOPED_TRACE(::testing::Message() << "signal " << signal << ", round " << round);
        DataFolder folder;
        const QString lockPath = folder.FilePath(QStringLiteral("VELMARIS.LCK"));
        {
            Copy first(folder.Path());
            first.Go();
            ASSERT_EQ(first.NextLine(), QStringLiteral("acquired"));
            // Age alone never makes the lock stale: back-date the lock file by a day.
            std::filesystem::last_write_time(
                lockPath.toStdString(),
                std::filesystem::file_time_type::clock::now() - std::chrono::hours(24));
            Copy second(folder.Path());
            second.Go();
            EXPECT_EQ(second.NextLine(), QStringLiteral("refused"));
            first.End(signal);
            // Only a copy that ended normally removed its lock file.
            EXPECT_EQ(QFile::exists(lockPath), signal != 0);
        }
        Copy a(folder.Path());
        Copy b(folder.Path());
        a.Go();
        b.Go();
        QStringList answers = {a.NextLine(), b.NextLine()};
        answers.sort();
        EXPECT_EQ(answers.join(' ').toStdString(), "acquired refused");
    }
}

}  // namespace
}  // namespace velmaris::testing
