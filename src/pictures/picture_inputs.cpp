#include "pictures/picture_inputs.h"

#include "listing/listing_formats.h"
#include "report/separation.h"
#include "transits/transit_search.h"

#include <cmath>
#include <map>
#include <tuple>

namespace velmaris::pictures {
namespace {

constexpr double kUnixEpochJulianDate = 2440587.5;
constexpr double kMillisecondsPerDay = 86'400'000.0;
constexpr double kHourInDays = 1.0 / 24.0;

}  // namespace

QDateTime UtcOfJulianDate(double julianDate) {
    const auto msecs = static_cast<qint64>(
        std::llround((julianDate - kUnixEpochJulianDate) * kMillisecondsPerDay));
    return QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC);
}

WheelInput WheelForMoment(const ephem::SkyPositions& natal, const ephem::ChartMoment& moment,
                          float orbDeg, const QStringList& legend,
                          const domain::PositionSource& positions) {
    WheelInput input;
    const ephem::SkyPositions sky = positions(moment);
    const ephem::SkyPositions before =
        positions(ephem::MakeChartMoment(moment.dayNumber, moment.dayFraction - kHourInDays));
    const ephem::SkyPositions after =
        positions(ephem::MakeChartMoment(moment.dayNumber, moment.dayFraction + kHourInDays));
    for (int body = kFirstBody; body <= kLastBody; ++body) {
        const auto slot = static_cast<std::size_t>(body);
        input.natalDeg[slot] = natal[slot];
        input.transitDeg[slot] = sky[slot];
        input.retrograde[slot] = transits::WrapDelta(after[slot] - before[slot]) < 0;
    }
    // The Moon moves too fast to transit; it is drawn on the natal ring only.
    input.transitDeg[kMoon] = 0;
    input.retrograde[kMoon] = false;
    for (int transit = kFirstBody; transit < kMoon; ++transit) {
        for (int point = kFirstBody; point <= kLastBody; ++point) {
            const double separation =
                std::fabs(input.transitDeg[static_cast<std::size_t>(transit)] -
                          input.natalDeg[static_cast<std::size_t>(point)]);
            const domain::Aspect aspect = domain::FindAspect(separation, orbDeg);
            if (aspect.index != domain::kNoAspect) {
                input.aspects.push_back(
                    {transit, aspect.index, point, std::fabs(aspect.deviation)});
            }
        }
    }
    input.orbLimitDeg = static_cast<double>(orbDeg);
    input.legend = legend;
    return input;
}

TimelineInput TimelineFromWindows(const std::vector<transits::TransitWindow>& windows,
                                  double fromJulianDate, double toJulianDate,
                                  double todayJulianDate) {
    TimelineInput input;
    input.from = UtcOfJulianDate(fromJulianDate);
    input.to = UtcOfJulianDate(toJulianDate);
    input.today = UtcOfJulianDate(todayJulianDate);
    // Rows in the order their first window enters; the layout groups them by body.
    std::map<std::tuple<int, int, int>, std::size_t> rowOf;
    for (const transits::TransitWindow& window : windows) {
        const auto key = std::make_tuple(static_cast<int>(window.transit), window.aspectIndex,
                                         static_cast<int>(window.natal));
        auto found = rowOf.find(key);
        if (found == rowOf.end()) {
            found = rowOf.emplace(key, input.rows.size()).first;
            input.rows.push_back({domain::TransitName(window),
                                  domain::AspectNameOf(window),
                                  domain::NatalName(window),
                                  {}});
        }
        TimelineWindow shown{UtcOfJulianDate(window.enters), UtcOfJulianDate(window.leaves), {}};
        for (const transits::ExactHit& hit : window.hits) {
            shown.hits.push_back({UtcOfJulianDate(hit.julianDate), hit.pass, hit.passes});
        }
        input.rows[found->second].windows.push_back(shown);
    }
    return input;
}

}  // namespace velmaris::pictures
