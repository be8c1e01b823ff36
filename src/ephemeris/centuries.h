#pragma once

namespace velmaris::ephem {

// Julian centuries of 36525 days from JD 2415020.0 (1900 January 0.5).
struct Centuries1900 {
    double value = 0.0;
};

// Julian centuries of 36525 days from JD 2451545.0 (J2000.0).
struct Centuries2000 {
    double value = 0.0;
};

}  // namespace velmaris::ephem
