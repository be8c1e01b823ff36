#pragma once

#include "platform/clock.h"
#include "platform/regional_settings.h"
#include "report/report_writer.h"

#include <QStringList>
#include <QTextStream>

namespace velmaris::app {

// Exit statuses of the report command.
inline constexpr int kReportOk = 0;
inline constexpr int kReportFailed = 1;  // a warning or error arose while the page was made
inline constexpr int kReportUsage = 2;   // the arguments were not understood

struct ReportCommandServices {
    platform::Clock& clock;
    platform::RegionalSettings& regional;
    QString appFolder;
    domain::PositionSource positions = ephem::ComputePositions;
};

// The page of one day without a window: start-up as the window does it (the options file
// restored from its master copy when missing), then, when a date is given, the page of that
// day at the start-up clock time, as the day commands make it.
// Given:   arguments  the arguments after "--report": none, or one date "YYYY-MM-DD"
//          out        receives the lines of the page, each ended by a line feed
//          err        receives every message, as "title text", and the usage on bad arguments
// Returns: kReportOk; kReportFailed when any warning or error message arose (the page is
//          still written); kReportUsage for arguments it does not understand (nothing written)
int RunReport(const QStringList& arguments, const ReportCommandServices& services, QTextStream& out,
              QTextStream& err);

}  // namespace velmaris::app
