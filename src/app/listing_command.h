#pragma once

#include "platform/clock.h"
#include "platform/regional_settings.h"
#include "transits/positions_adapter.h"
#include "transits/transit_search.h"

#include <QStringList>
#include <QTextStream>

#include <vector>

namespace velmaris::app {

// Exit statuses of the listing command.
inline constexpr int kListingOk = 0;
inline constexpr int kListingFailed = 1;  // the options could not be read or the output written
inline constexpr int kListingUsage = 2;   // the arguments or the period were not accepted

struct ListingCommandServices {
    platform::Clock& clock;
    platform::RegionalSettings& regional;
    QString appFolder;
};

// The transit windows of a period, with what the listing and the timeline need besides.
struct PeriodTransits {
    std::vector<transits::TransitWindow> windows;
    transits::LongitudeFunction longitude = transits::PositionsLongitude();
    double fromJulianDate = 0;
    double toJulianDate = 0;
    double nowJulianDate = 0;  // the computer's clock
    float clockZone = 0;       // option value 9
};

// Reads the options file and finds every window of the period FROM 00:00 to TO 24:00.
// Returns: kListingOk with `found` filled; kListingFailed when the options or the natal chart
//          cannot be read; kListingUsage when the period is refused. Messages go to `err`.
int FindPeriodTransits(const QString& from, const QString& to,
                       const ListingCommandServices& services, QTextStream& err,
                       PeriodTransits& found);

// The transit windows of a period without a window:
//   FROM TO [--format text|csv|json|ics] [--output FILE]
// Given:   arguments  the arguments after "--transits"
//          out        receives the listing when no output file is given
//          err        receives every message and the usage
// Returns: kListingOk, kListingFailed or kListingUsage (nothing written)
int RunListing(const QStringList& arguments, const ListingCommandServices& services,
               QTextStream& out, QTextStream& err);

}  // namespace velmaris::app
