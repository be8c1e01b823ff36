// The timing line of an aspect: which hit it names, the marks of the page's day, the time of
// day only for a body whose timing is good to the minute, and the date orders.
#include "report/page_timing.h"

#include <gtest/gtest.h>

namespace velmaris::domain {
namespace {

using ephem::Body;

constexpr double kPage = 2461381.0;  // 6 Dec 2026 12:00 UT

transits::TransitWindow Window(Body transit, double enters, double leaves,
                               std::vector<transits::ExactHit> hits) {
    transits::TransitWindow window;
    window.transit = transit;
    window.enters = enters;
    window.leaves = leaves;
    window.hits = std::move(hits);
    return window;
}

TEST(TimingLine, HitsMarksPrecisionAndDateOrders) {
    struct Case {
        const char* label;
        transits::TransitWindow window;
        transits::MomentDelta now;
        int dateOrder;
        float clockZone;
        const char* want;
    };
    const Case cases[] = {
        {"the hit to come, with its pass; a slow body gives the date alone",
         Window(Body::Saturn, kPage - 40, kPage + 60, {{kPage - 20, 1, 3}, {kPage + 30, 2, 3}}),
         {0.5, true},
         1,
         0,
         "applying, exact Tue 5 Jan 2027 (pass 2 of 3), in orb 27 Oct 2026 - 4 Feb 2027"},
        {"all hits past: the last one; month first",
         Window(Body::Jupiter, kPage - 40, kPage + 10, {{kPage - 20, 1, 1}}),
         {1.0, false},
         0,
         0,
         "separating, exact Mon Nov 16 2026, in orb Oct 27 - Dec 16 2026"},
        {"the Sun to the minute, on the page's day: new today and exact today",
         Window(Body::Sun, kPage - 0.2, kPage + 2, {{kPage + 0.25, 1, 1}}),
         {0.1, true},
         2,
         0,
         "applying, exact Sun 2026 Dec 6 06:00 PM, in orb 2026 Dec 6 - Dec 8, new today, "
         "exact today"},
        {"the clock's zone moves the day: 18:00 UT is 08:00 AM at UT-10 (zone 10)",
         Window(Body::Sun, kPage - 2, kPage + 0.4, {{kPage + 0.25, 1, 1}}),
         {0.1, true},
         1,
         10,
         "applying, exact Sun 6 Dec 2026 08:00 AM, in orb 4 Dec - 6 Dec 2026, exact today, "
         "leaves today"},
        {"a station that does not perfect, near the orb limit",
         Window(Body::Saturn, kPage - 40, kPage + 60, {}),
         {1.47, false},
         1,
         0,
         "separating, stations in orb, not exact, in orb 27 Oct 2026 - 4 Feb 2027, near the orb "
         "limit"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const TimingStyle style{static_cast<DateOrder>(c.dateOrder), c.clockZone,
                                QLocale(QLocale::English)};
        EXPECT_EQ(TimingLine(c.window, kPage, c.now, 1.5, style).toStdString(),
                  (kTimingIndent + QLatin1String(c.want)).toStdString());
    }
}

}  // namespace
}  // namespace velmaris::domain
