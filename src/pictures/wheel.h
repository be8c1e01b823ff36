#pragma once

#include "pictures/display_list.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace velmaris::pictures {

// Body slots follow the page: 1 SUN .. 9 PLUTO, 10 MOON (slot 0 unused).
inline constexpr int kFirstBody = 1;
inline constexpr int kLastBody = 10;
inline constexpr int kMoon = 10;

struct WheelAspect {
    int transit = 0;      // transiting body 1..10
    int aspectIndex = 0;  // aspect name index 2..16 as on the page
    int natal = 0;        // natal point 1..10
    double orbDeg = 0.0;  // distance from exact
};

struct WheelInput {
    std::array<double, 11> natalDeg{};    // natal longitudes by body slot
    std::array<double, 11> transitDeg{};  // transiting longitudes by body slot (Moon unused)
    std::array<bool, 11> retrograde{};    // transiting body moving backwards
    std::vector<WheelAspect> aspects;
    double orbLimitDeg = 1.0;  // the orb the page is searched with
    QStringList legend;        // date and time, chart data, orb
};

// Where a marker is drawn (spread from its neighbours) for a body at its true longitude.
struct MarkerPlace {
    int body = 0;
    double trueDeg = 0.0;
    double shownDeg = 0.0;
};

// Spreads markers around the circle so that no two are closer than `minGapDeg`, each moved
// as little as a cluster allows; the order around the circle is kept.
std::vector<MarkerPlace> SpreadMarkers(std::vector<MarkerPlace> places, double minGapDeg);

// Screen direction of a longitude: 0 degrees at the left, increasing anticlockwise.
QPointF WheelPoint(QPointF centre, double radius, double longitudeDeg);

enum class AspectFamily { Hard, Soft, Minor };
AspectFamily FamilyOf(int aspectIndex);

// Geometry of the wheel in picture units, shared by drawing and tests.
struct WheelGeometry {
    double size = 1000.0;
    QPointF centre{500.0, 500.0};
    double zodiacOuter = 0.0;
    double zodiacInner = 0.0;
    double transitInner = 0.0;
    double natalInner = 0.0;
    double aspectRadius = 0.0;
    double markerGapDeg = 0.0;
    static WheelGeometry ForSize(double size);
};

// The bi-wheel: zodiac ring, natal points inside, transiting bodies outside, aspect lines
// in the middle and a legend. Marker groups carry data-ring, data-body, data-longitude;
// aspect line groups data-transit, data-aspect, data-natal.
DisplayList BuildWheel(const WheelInput& input, double size = 1000.0);

}  // namespace velmaris::pictures
