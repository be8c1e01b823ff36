#pragma once

#include "platform/clock.h"
#include "platform/regional_settings.h"

#include <QStringList>
#include <QTextStream>

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

// The transit windows of a period without a window:
//   FROM TO [--format text|csv|json|ics] [--output FILE]
// Given:   arguments  the arguments after "--transits"
//          out        receives the listing when no output file is given
//          err        receives every message and the usage
// Returns: kListingOk, kListingFailed or kListingUsage (nothing written)
int RunListing(const QStringList& arguments, const ListingCommandServices& services,
               QTextStream& out, QTextStream& err);

}  // namespace velmaris::app
