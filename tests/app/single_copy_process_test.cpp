// The single-copy lock across real processes. Each copy is the helper program, which takes the
// same SingleCopyLock as VELMARIS in the folder it is given, when the test says "go".
#include "app_fixture.h"
#include "platform/qt/single_copy_lock.h"
#include "support/scratch_mount.h"

#include <gtest/gtest.h>

#include <QProcess>

#include <csignal>

namespace velmaris::testing {
namespace {

// Bound on one step of a copy, so that a broken copy fails the test instead of hanging it.
constexpr int kStepMs = 30000;

class Copy {
  public:
    explicit Copy(const QString& folder) {
        process_.start(QStringLiteral(VELMARIS_SINGLE_COPY_HELPER), {folder});
    }
    ~Copy() {
        process_.closeWriteChannel();
        if (!process_.waitForFinished(kStepMs)) {
            process_.kill();
            process_.waitForFinished(kStepMs);
        }
    }
    Copy(const Copy&) = delete;
    Copy& operator=(const Copy&) = delete;

    // The next line the copy prints, or nothing when it ends first.
    QString NextLine() {
        while (!process_.canReadLine()) {
            if (!process_.waitForReadyRead(kStepMs)) {
                return {};
            }
        }
        return QString::fromLatin1(process_.readLine()).trimmed();
    }
    // Lets the copy try the lock.
    void Go() {
        process_.write("go\n");
        process_.waitForBytesWritten(kStepMs);
    }
    // Started and told to try: its answer.
    QString Try() {
        EXPECT_EQ(NextLine(), QStringLiteral("ready"));
        Go();
        return NextLine();
    }
    // Lets a copy that holds the lock end normally.
    void Quit() {
        process_.closeWriteChannel();
        EXPECT_TRUE(process_.waitForFinished(kStepMs));
    }
    void Signal(int signal) {
        ASSERT_EQ(::kill(static_cast<pid_t>(process_.processId()), signal), 0);
        EXPECT_TRUE(process_.waitForFinished(kStepMs));
        EXPECT_EQ(process_.exitStatus(), QProcess::CrashExit);
    }

  private:
    QProcess process_;
};

QString LockPath(const DataFolder& folder) {
    return folder.FilePath(platform::kLockFileName);
}

TEST(SingleCopyProcesses, ACopyThatDiedLeavesNoLockThatBlocksTheNextStart) {
    struct Case {
        const char* label;
        int signal;  // 0: the copy ends normally
    };
    const Case cases[] = {
        {"killed with SIGKILL", SIGKILL}, {"ended by SIGTERM", SIGTERM}, {"ended normally", 0}};
    EnsureApplication();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        DataFolder folder;
        {
            Copy first(folder.Path());
            ASSERT_EQ(first.Try(), QStringLiteral("acquired"));
            Copy second(folder.Path());
            EXPECT_EQ(second.Try(), QStringLiteral("refused"));
            if (c.signal != 0) {
                first.Signal(c.signal);
                // The dead copy could not remove its lock file.
                EXPECT_TRUE(QFile::exists(LockPath(folder)));
            } else {
                first.Quit();
                EXPECT_FALSE(QFile::exists(LockPath(folder)));
            }
        }
        Copy next(folder.Path());
        EXPECT_EQ(next.Try(), QStringLiteral("acquired"));
    }
}

TEST(SingleCopyProcesses, TwoCopiesStartedAtTheSameInstantGiveExactlyOne) {
    struct Case {
        const char* label;
        bool deadCopysLock;  // the lock file of a killed copy lies in the folder
    };
    const Case cases[] = {{"free folder", false}, {"lock left by a killed copy", true}};
    constexpr int kRounds = 10;
    EnsureApplication();
    for (const Case& c : cases) {
        for (int round = 0; round < kRounds; ++round) {
            SCOPED_TRACE(::testing::Message() << c.label << ", round " << round);
            DataFolder folder;
            if (c.deadCopysLock) {
                Copy dead(folder.Path());
                ASSERT_EQ(dead.Try(), QStringLiteral("acquired"));
                dead.Signal(SIGKILL);
                ASSERT_TRUE(QFile::exists(LockPath(folder)));
            }
            Copy a(folder.Path());
            Copy b(folder.Path());
            ASSERT_EQ(a.NextLine(), QStringLiteral("ready"));
            ASSERT_EQ(b.NextLine(), QStringLiteral("ready"));
            a.Go();
            b.Go();
            QStringList answers = {a.NextLine(), b.NextLine()};
            answers.sort();
            EXPECT_EQ(answers,
                      (QStringList{QStringLiteral("acquired"), QStringLiteral("refused")}));
        }
    }
}

// No lock file can be made in a read-only folder: the copy is told so, and is not refused as
// if another copy ran (the program then starts without the lock).
TEST(SingleCopyProcesses, ReadOnlyFolderMakesTheLockUnavailableNotRefused) {
    EnsureApplication();
    DataFolder folder;
    const ScratchMount mount(folder.Path(), "64k");
    if (!mount.IsMounted() || !mount.MakeReadOnly()) {
        GTEST_SKIP() << "cannot mount a read-only tmpfs here";
    }
    Copy copy(folder.Path());
    EXPECT_EQ(copy.Try(), QStringLiteral("unavailable"));
}

}  // namespace
}  // namespace velmaris::testing
