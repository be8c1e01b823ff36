#pragma once

#include "app/listing_command.h"
#include "pictures/timeline.h"
#include "pictures/wheel.h"
#include "session/program.h"

#include <QStringList>
#include <QTextStream>

#include <optional>

namespace velmaris::app {

// Exit statuses of the picture commands, as those of the listing.
inline constexpr int kPictureOk = 0;
inline constexpr int kPictureFailed = 1;  // a warning arose or the picture was not written
inline constexpr int kPictureUsage = 2;   // the arguments were not understood

// The wheel of the page the program last wrote: its natal chart, its moment, its orb, and a
// legend with the date line, the birth data and the orb.
// Throws:  EphemerisError when the positions of the page's moment cannot be computed
[[nodiscard]] pictures::WheelInput WheelOfPage(const session::Program& program);

// The timeline of a period for the program's natal chart and orb, or why there is none.
struct PeriodTimeline {
    std::optional<pictures::TimelineInput> input;
    QString message;  // the refusal, when there is no input
};

// Given:   from, to  the period's first and last day on the computer's clock
//          now       the computer's clock, for the today line
[[nodiscard]] PeriodTimeline TimelineOfPeriod(const session::Program& program, const QDate& from,
                                              const QDate& to, const QDateTime& now);

// velmaris --wheel [DATE] --output FILE.svg|FILE.png [--size PIXELS]: the wheel of the page
// moment of DATE, as "--report DATE" makes the page.
int RunWheel(const QStringList& arguments, const ListingCommandServices& services, QTextStream& out,
             QTextStream& err);

// velmaris --timeline FROM TO --output FILE.svg|FILE.png [--size PIXELS]: one row per transit
// in orb during the period.
int RunTimeline(const QStringList& arguments, const ListingCommandServices& services,
                QTextStream& out, QTextStream& err);

}  // namespace velmaris::app
