#include "app/caption.h"
#include "app/start_up.h"
#include "app_fixture.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/single_copy_lock.h"

#include <gtest/gtest.h>

#include <QLockFile>

#include <sys/wait.h>
#include <unistd.h>

namespace velmaris::testing {
namespace {

TEST(MessageBoxStyles, IconsOfTheThreeStyles) {
    struct Case {
        platform::MessageStyle style;
        int number;
        QMessageBox::Icon want;
    };
    const Case cases[] = {
        {platform::MessageStyle::Critical, 16, QMessageBox::Critical},
        {platform::MessageStyle::Exclamation, 48, QMessageBox::Warning},
        {platform::MessageStyle::Information, 64, QMessageBox::Information},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(static_cast<int>(c.style), c.number);
        EXPECT_EQ(platform::IconForStyle(c.style), c.want);
    }
}

TEST(Caption, TimeFormatGetsSeconds) {
    struct Case {
        QLocale locale;
        const char* want;
    };
    const Case cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), "h:mm:ss AP"},
        {QLocale(QLocale::German, QLocale::Germany), "HH:mm:ss"},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), "HH:mm:ss"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString());
        EXPECT_EQ(app::TimeWithSecondsFormat(c.locale), QLatin1String(c.want));
    }
}

TEST(Caption, DateAndTimeInTheLocale) {
    struct Case {
        QLocale locale;
        QDateTime now;
        const char* want;
    };
    const Case cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), TestMoment(),
         "VELMARIS - 04 Dec 2026     10:15:30 PM"},
        {QLocale(QLocale::English, QLocale::UnitedStates),
         QDateTime(QDate(2027, 1, 9), QTime(9, 5, 7)), "VELMARIS - 09 Jan 2027     9:05:07 AM"},
        {QLocale(QLocale::German, QLocale::Germany), TestMoment(),
         "VELMARIS - 04 Dez. 2026     22:15:30"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.want);
        EXPECT_EQ(app::CaptionText(QStringLiteral("VELMARIS - "), c.now, c.locale),
                  QString::fromUtf8(c.want));
    }
}

TEST(SingleCopyLock, SecondCopyIsRefusedWhileTheFirstRuns) {
    DataFolder folder;
    platform::SingleCopyLock first(folder.Path());
    ASSERT_EQ(first.TryAcquire(), platform::LockOutcome::Acquired);
    platform::SingleCopyLock second(folder.Path());
    EXPECT_EQ(second.TryAcquire(), platform::LockOutcome::HeldByAnotherCopy);
    EXPECT_FALSE(second.IsHeld());
    EXPECT_TRUE(first.IsHeld());
    EXPECT_TRUE(QFile::exists(folder.FilePath(QStringLiteral("VELMARIS.LCK"))));
}

TEST(SingleCopyLock, FreeAgainWhenTheFirstCopyEnds) {
    DataFolder folder;
    {
        platform::SingleCopyLock first(folder.Path());
        ASSERT_EQ(first.TryAcquire(), platform::LockOutcome::Acquired);
    }
    platform::SingleCopyLock next(folder.Path());
    EXPECT_EQ(next.TryAcquire(), platform::LockOutcome::Acquired);
}

TEST(SingleCopyLock, LockLeftByACrashedCopyIsTakenOver) {
    DataFolder folder;
    const QString path = folder.FilePath(QStringLiteral("VELMARIS.LCK"));
    // A child process takes the lock and dies without releasing it.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        QLockFile lock(path);
        _exit(lock.tryLock(0) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(QFile::exists(path));

    platform::SingleCopyLock next(folder.Path());
    EXPECT_EQ(next.TryAcquire(), platform::LockOutcome::Acquired);
}

TEST(SingleCopyLock, OldLockOfARunningCopyStillCounts) {
    DataFolder folder;
    platform::SingleCopyLock first(folder.Path());
    ASSERT_EQ(first.TryAcquire(), platform::LockOutcome::Acquired);
    // Age alone never makes the lock stale: back-date the lock file by a day.
    QFile file(folder.FilePath(QStringLiteral("VELMARIS.LCK")));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTimeUtc().addDays(-1),
                                 QFileDevice::FileModificationTime));
    file.close();
    platform::SingleCopyLock second(folder.Path());
    EXPECT_EQ(second.TryAcquire(), platform::LockOutcome::HeldByAnotherCopy);
}

TEST(SecondCopy, RefusalMessage) {
    EXPECT_EQ(app::kSecondCopyText,
              QStringLiteral("VELMARIS is already running. For your protection you cannot have "
                             "more than one copy of VELMARIS running at a time."));
    EXPECT_EQ(app::kSecondCopyTitle, QStringLiteral("WARNING!"));
}

}  // namespace
}  // namespace velmaris::testing
