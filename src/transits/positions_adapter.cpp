#include "transits/positions_adapter.h"

#include <cmath>
#include <memory>

#include "ephemeris/chart_moment.h"
#include "positions/positions.h"

namespace velmaris::transits {

double PositionsAdapter::operator()(ephem::Body body, double julianDate) {
    // The day number is the civil day whose noon-based number the moment falls in.
    const double dayNumber = std::floor(julianDate + 0.5);
    return ephem::ComputeLongitude(ephem::MakeChartMoment(dayNumber, julianDate + 0.5 - dayNumber),
                                   body);
}

LongitudeFunction PositionsLongitude() {
    auto adapter = std::make_shared<PositionsAdapter>();
    return [adapter](ephem::Body body, double julianDate) { return (*adapter)(body, julianDate); };
}

}  // namespace velmaris::transits
