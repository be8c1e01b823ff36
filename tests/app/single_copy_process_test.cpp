// The single-copy lock across real processes. Each copy is the helper program, which takes the
// same SingleCopyLock as VELMARIS in the folder it is given, when the test says "go".
#include "app_fixture.h"

#include <gtest/gtest.h>

#include <QProcess>

#include <array>
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
