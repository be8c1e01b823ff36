// What a start does about the lock of its program folder, for each state the lock can be in.
#include "app/start_up.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QSysInfo>

#include <optional>

namespace velmaris::testing {
namespace {

enum class LockState { Free, HeldHere, OtherHost };

// A lock file as a copy on another computer leaves it: process number, program, host.
void WriteOtherHostLock(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("4242\nvelmaris\nfar-away-host\n");
}

TEST(DecideSingleCopy, EachLockStateAndAnswer) {
    struct Case {
        const char* label;
        LockState state;
        bool answer;  // to the question about another computer
        app::LockDecision want;
        const char* message;  // start of the one message or question, empty for none
        bool lockIsOurs;
    };
    const Case cases[] = {
        {"a free folder", LockState::Free, false, app::LockDecision::Run, "", true},
        {"a copy here", LockState::HeldHere, true, app::LockDecision::StopAndRaiseOther,
         "VELMARIS is already running.", false},
        {"another computer, No", LockState::OtherHost, false, app::LockDecision::Stop,
         "VELMARIS may be running on the computer far-away-host", false},
        {"another computer, Yes", LockState::OtherHost, true, app::LockDecision::Run,
         "VELMARIS may be running on the computer far-away-host", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        DataFolder folder;
        const QString lockPath = folder.FilePath(QStringLiteral("VELMARIS.LCK"));
        std::optional<platform::SingleCopyLock> running;
        if (c.state == LockState::HeldHere) {
            running.emplace(folder.Path());
            ASSERT_EQ(running->TryAcquire(), platform::LockOutcome::Acquired);
        } else if (c.state == LockState::OtherHost) {
            WriteOtherHostLock(lockPath);
        }
        RecordingMessages messages;
        messages.answer = c.answer;
        platform::SingleCopyLock lock(folder.Path());
        EXPECT_EQ(app::DecideSingleCopy(lock, messages, folder.Path()), c.want);
        if (*c.message == '\0') {
            EXPECT_TRUE(messages.shown.empty());
        } else {
            ASSERT_EQ(messages.shown.size(), 1U);
            EXPECT_TRUE(messages.shown[0].text.startsWith(QLatin1String(c.message)))
                << messages.shown[0].text.toStdString();
        }
        const QByteArray owner = folder.Read(QStringLiteral("VELMARIS.LCK"));
        EXPECT_EQ(owner.contains(QSysInfo::machineHostName().toUtf8()) &&
                      owner.startsWith(QByteArray::number(QCoreApplication::applicationPid())),
                  c.lockIsOurs || c.state == LockState::HeldHere)
            << owner.toStdString();
    }
}

}  // namespace
}  // namespace velmaris::testing
