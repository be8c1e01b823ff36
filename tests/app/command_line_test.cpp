#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

namespace {

struct CommandCase {
    QStringList arguments;
    int status;
    const char* stdoutPart;  // empty: standard output stays empty
    const char* stderrPart;
};

// The program started as a user starts it, without a display: what needs none must work, and
// what it does not understand must say so with status 2.
TEST(CommandLineTest, AnswersWithoutADisplay) {
    const CommandCase cases[] = {
        {{"--help"}, 0, "--transits FROM TO", ""},
        {{"-h"}, 0, "--report [YYYY-MM-DD]", ""},
        {{"--version"}, 0, "velmaris 1.01", ""},
        {{"--colour"}, 2, "", "Unknown option 'colour'"},
        {{"--report", "--transits"}, 2, "", "one command at a time"},
        {{"--wheel", "--output", "wheel.pdf"}, 2, "", "Usage: velmaris --wheel"},
        {{"--help"}, 0, "--timeline", ""},
        {{"--transits", "2028-01-01"}, 2, "", "Usage: velmaris --transits"},
        {{"--report", "2028-1-1x"}, 2, "", "Usage: velmaris --report"},
    };
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    for (const CommandCase& c : cases) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(VELMARIS_EXECUTABLE), c.arguments);
        ASSERT_TRUE(process.waitForFinished(20000)) << c.arguments.join(' ').toStdString();
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        const QString err = QString::fromUtf8(process.readAllStandardError());
        const std::string what = c.arguments.join(' ').toStdString();
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << what;
        EXPECT_EQ(process.exitCode(), c.status) << what << ": " << err.toStdString();
        if (*c.stdoutPart == '\0') {
            EXPECT_TRUE(out.isEmpty()) << what;
        } else {
            EXPECT_TRUE(out.contains(QLatin1String(c.stdoutPart))) << what;
        }
        EXPECT_TRUE(err.contains(QLatin1String(c.stderrPart))) << what << ": " << err.toStdString();
    }
}

// A page or listing that cannot reach standard output (a full device, a closed descriptor) is
// a failure with a message, never status 0.
TEST(CommandLineTest, LostOutputIsAFailure) {
    const std::pair<const char*, const char*> cases[] = {
        {"--report 2026-12-06 > /dev/full", "The page could not be written to standard output."},
        {"--report 2026-12-06 >&-", "The page could not be written to standard output."},
        {"--transits 2027-01-01 2027-01-31 --format csv > /dev/full",
         "The listing could not be written to standard output."},
        {"--transits 2027-01-01 2027-01-31 >&-",
         "The listing could not be written to standard output."},
    };
    for (const auto& [command, message] : cases) {
        QProcess process;
        process.start(
            QStringLiteral("/bin/sh"),
            {QStringLiteral("-c"), QStringLiteral("exec \"$0\" %1").arg(QLatin1String(command)),
             QStringLiteral(VELMARIS_EXECUTABLE)});
        ASSERT_TRUE(process.waitForFinished(60000)) << command;
        const QString err = QString::fromUtf8(process.readAllStandardError());
        EXPECT_EQ(process.exitCode(), 1) << command << ": " << err.toStdString();
        EXPECT_TRUE(err.contains(QLatin1String(message))) << command << ": " << err.toStdString();
    }
}

}  // namespace
