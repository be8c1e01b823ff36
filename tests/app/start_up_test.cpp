// What a start does about the lock of its program folder, for each state the lock can be in.
#include "app/start_up.h"
#include "support/fakes.h"
#include "support/table.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSysInfo>

#include <optional>

namespace velmaris::testing {
namespace {

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
        QStringList said;
        for (const ShownMessage& shown : messages.shown) {
            said << shown.text;
        }
        EXPECT_EQ(said.join('|').replace(folder.Path(), QStringLiteral("FOLDER")).toStdString(),
                  row[3].toStdString());
        // Who holds the lock afterwards: this process, or still the copy that ran before.
        const QByteArray owner = folder.Read(QStringLiteral("VELMARIS.LCK"));
        const bool ours = owner.contains(QSysInfo::machineHostName().toUtf8()) &&
                          owner.startsWith(QByteArray::number(QCoreApplication::applicationPid()));
        EXPECT_EQ(ours ? "this process" : "not this process", row[4].toStdString());
    }
}

}  // namespace
}  // namespace velmaris::testing
