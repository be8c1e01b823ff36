#pragma once

#include "platform/clock.h"
#include "platform/regional_settings.h"
#include "report/report_writer.h"
#include "session/program.h"

#include <QStringList>
#include <QTextStream>

#include <optional>

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
// Keeps the page instead of showing it.
class KeptText final : public platform::TextArea {
  public:
    [[nodiscard]] bool IsMinimised() const override { return false; }
    void SetText(const QString& text) override { text_ = text; }
    [[nodiscard]] const QString& Text() const { return text_; }

  private:
    QString text_;
};

// A day given on the command line, as the New Date fields take it.
struct DayArgument {
    QString month;
    QString day;
    QString year;
};

// Reads "YYYY-MM-DD" (1 to 4 digits of year, 1 or 2 of month and day) and nothing else: no
// sign, space or line break before or after it.
[[nodiscard]] std::optional<DayArgument> ParseDayArgument(const QString& text);

// Start-up as the window does it, then, when a day is given, the page of that day at the
// start-up clock time. Returns false when the day was refused (its message has been shown).
bool StartUpAtDay(session::Program& program, platform::MessageBoxes& messages,
                  const std::optional<DayArgument>& day);

int RunReport(const QStringList& arguments, const ReportCommandServices& services, QTextStream& out,
              QTextStream& err);

}  // namespace velmaris::app
