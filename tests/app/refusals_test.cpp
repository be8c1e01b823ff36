// What the commands without a window refuse, from one table: each refusal has its status and
// its message, writes nothing to standard output and leaves no file behind.
#include "app/listing_command.h"
#include "app/picture_command.h"
#include "app/report_command.h"
#include "app_fixture.h"
#include "support/table.h"

#include <gtest/gtest.h>

namespace velmaris::testing {
namespace {

using Command = int (*)(const QStringList&, const app::ListingCommandServices&, QTextStream&,
                        QTextStream&);

int Report(const QStringList& arguments, const app::ListingCommandServices& services,
           QTextStream& out, QTextStream& err) {
    return app::RunReport(arguments, {services.clock, services.regional, services.appFolder}, out,
                          err);
}

TEST(Refusals, EachCommandSaysWhatItCannotDo) {
    EnsureApplication();
    const QMap<QByteArray, Command> commands{{"report", Report},
                                             {"transits", app::RunListing},
                                             {"wheel", app::RunWheel},
                                             {"timeline", app::RunTimeline}};
    for (const QList<QByteArray>& row : ReadTable(QStringLiteral("app/refusals.tsv"), 5)) {
        const std::string what = (row[0] + ' ' + row[1]).toStdString();
        SCOPED_TRACE(what);
        ASSERT_TRUE(commands.contains(row[0]));
        DataFolder folder;
        if (row[2] == "data") {
            CopyDataFiles(folder);
        }
        QStringList arguments;
        for (const QByteArray& argument : row[1].split('|')) {
            if (!argument.isEmpty() || !row[1].isEmpty()) {
                arguments.append(
                    QString::fromUtf8(argument).replace(QStringLiteral("{folder}"), folder.Path()));
            }
        }
        const QStringList before = QDir(folder.Path()).entryList(QDir::Files);
        const CommandRun run = RunCommand(commands[row[0]], arguments, folder.Path());
        EXPECT_EQ(run.status, row[3].toInt()) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(row[4]))) << run.err.toStdString();
        EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files), before);
    }
}

}  // namespace
}  // namespace velmaris::testing
