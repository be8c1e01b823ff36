// The program started as a user starts it, from a shell without a display: what needs none
// must work, what it does not understand must say so with status 2, and a page or listing that
// cannot reach standard output (a full device, a closed descriptor) is a failure with a message,
// never status 0. The cases are in tests/data/app/command-line.tsv.
#include "support/table.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

namespace velmaris::testing {
namespace {

TEST(CommandLineTest, AnswersWithoutADisplay) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QLatin1String(name));
    }
    for (const QList<QByteArray>& row : ReadTable(QStringLiteral("app/command-line.tsv"), 4)) {
        const std::string what = row[0].toStdString();
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral("/bin/sh"),
                      {QStringLiteral("-c"), QStringLiteral("exec \"$0\" ") + row[0],
                       QStringLiteral(VELMARIS_EXECUTABLE)});
        ASSERT_TRUE(process.waitForFinished(60000)) << what;
        const QByteArray out = process.readAllStandardOutput();
        const QByteArray err = process.readAllStandardError();
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << what;
        EXPECT_EQ(process.exitCode(), row[1].toInt()) << what << ": " << err.toStdString();
        EXPECT_TRUE(row[2].isEmpty() ? out.isEmpty() : out.contains(row[2])) << what;
        EXPECT_TRUE(err.contains(row[3])) << what << ": " << err.toStdString();
    }
}

}  // namespace
}  // namespace velmaris::testing
