#include "app/report_command.h"

#include "calendar/new_date.h"
#include "options/options_editor.h"
#include "session/program.h"

#include <QRegularExpression>

namespace velmaris::app {
namespace {

void WriteUsage(QTextStream& err) {
    err << "Usage: velmaris --report [YYYY-MM-DD] [--timing]\n";
    err.flush();
}

}  // namespace

std::optional<DayArgument> ParseDayArgument(const QString& text) {
    static const QRegularExpression kDate(QRegularExpression::anchoredPattern(
        QStringLiteral("([0-9]{1,4})-([0-9]{1,2})-([0-9]{1,2})")));
    const QRegularExpressionMatch match = kDate.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return DayArgument{match.captured(2), match.captured(3), match.captured(1)};
}

bool StartUpAtDay(session::Program& program, platform::MessageBoxes& messages,
                  const std::optional<DayArgument>& day) {
    program.StartUp();
    if (day) {
        // The New Date fields let a month 13 run on into the next year; a date written on the
        // command line is taken as it is written or refused.
        const std::optional<QString> problem =
            domain::CalendarDayProblem(day->year.toInt(), day->month.toInt(), day->day.toInt());
        if (problem) {
            messages.Show(*problem, session::kWarningTitle, platform::MessageStyle::Exclamation);
            return false;
        }
        if (!program.AcceptNewDate(day->month, day->day, day->year)) {
            return false;
        }
        program.NewDate();
    }
    return true;
}

int RunReport(const QStringList& givenArguments, const ReportCommandServices& services,
              QTextStream& out, QTextStream& err) {
    QStringList arguments = givenArguments;
    const bool timing = arguments.removeAll(QStringLiteral("--timing")) > 0;
    if (arguments.size() > 1) {
        WriteUsage(err);
        return kReportUsage;
    }
    std::optional<DayArgument> day;
    if (arguments.size() == 1) {
        day = ParseDayArgument(arguments.front());
        if (!day) {
            WriteUsage(err);
            return kReportUsage;
        }
    }

    platform::StreamMessageBoxes messages(err);
    KeptText page;
    session::Program program({services.clock, services.regional, messages, page, services.appFolder,
                              services.positions});
    // The command's page has timing only when asked for, whatever the window keeps.
    program.SetShowTiming(timing);
    if (!StartUpAtDay(program, messages, day)) {
        return kReportFailed;
    }

    QString text = page.Text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out << text;
    out.flush();
    if (out.status() != QTextStream::Ok) {
        // A page that does not arrive (a full disk, a closed standard output) is a failure.
        err << "The page could not be written to standard output.\n";
        err.flush();
        return kReportFailed;
    }
    return messages.Failed() ? kReportFailed : kReportOk;
}

}  // namespace velmaris::app
