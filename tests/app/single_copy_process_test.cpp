// The single-copy lock across real processes. Each copy is the helper program, which takes the
// same SingleCopyLock as VELMARIS in the folder it is given, when the test says "go".
#include "app_fixture.h"

#include <gtest/gtest.h>

#include <QProcess>

#include <csignal>

namespace velmaris::testing {
namespace {

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
        process_.closeWriteChannel();
        if (!process_.waitForFinished(kStepMs)) {
            process_.kill();
            process_.waitForFinished(kStepMs);
        }
    }

    // The next line the copy prints, or nothing when it ends first.
    QString NextLine() {
        while (!process_.canReadLine()) {
            if (!process_.waitForReadyRead(kStepMs)) {
                return {};
            }
        }
        return QString::fromLatin1(process_.readLine()).trimmed();
    }
    void Go() {
        process_.write("go\n");
        process_.waitForBytesWritten(kStepMs);
    }
    // Told to try: its answer.
    QString Try() {
        Go();
        return NextLine();
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

TEST(SingleCopyProcesses, AnOldLockCountsButACopyThatDiedLeavesNoneThatBlocksTheNextStart) {
    EnsureApplication();
    // Killed with SIGKILL, ended by SIGTERM, or ended normally (0).
    for (const int signal : {SIGKILL, SIGTERM, 0}) {
        SCOPED_TRACE(signal);
        DataFolder folder;
        const QString lockPath = folder.FilePath(QStringLiteral("VELMARIS.LCK"));
        {
            Copy first(folder.Path());
            ASSERT_EQ(first.Try(), QStringLiteral("acquired"));
            // Age alone never makes the lock stale: back-date the lock file by a day.
            QFile lock(lockPath);
            ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
            ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTimeUtc().addDays(-1),
                                         QFileDevice::FileModificationTime));
            lock.close();
            Copy second(folder.Path());
            EXPECT_EQ(second.Try(), QStringLiteral("refused"));
            first.End(signal);
            // Only a copy that ended normally removed its lock file.
            EXPECT_EQ(QFile::exists(lockPath), signal != 0);
        }
        Copy next(folder.Path());
        EXPECT_EQ(next.Try(), QStringLiteral("acquired"));
    }
}

TEST(SingleCopyProcesses, TwoCopiesStartedAtTheSameInstantGiveExactlyOne) {
    EnsureApplication();
    for (const bool deadCopysLock : {false, true}) {
        for (int round = 0; round < 10; ++round) {
            SCOPED_TRACE(::testing::Message()
                         << (deadCopysLock ? "lock left by a killed copy" : "free folder")
                         << ", round " << round);
            DataFolder folder;
            if (deadCopysLock) {
                Copy dead(folder.Path());
                ASSERT_EQ(dead.Try(), QStringLiteral("acquired"));
                dead.End(SIGKILL);
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
}

}  // namespace
}  // namespace velmaris::testing
