// Measures how far the program's ephemeris strays from a modern reference (the analytic mode of
// the reference ephemeris the tests use) over 1800-2200, and what that means for the timing of
// a transit: a longitude error of e degrees on a body moving m degrees a day puts an exact
// moment e / m days off. Prints one line per body:
//   body  largest error (degrees)  at (Julian date)  typical daily motion (degrees)  minutes
// The figures feed the timing precision table of the report and the Accuracy help topic.
#include "positions/positions.h"

#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

using velmaris::ephem::ComputePositions;
using velmaris::ephem::MakeChartMoment;
using velmaris::ephem::SkyPositions;

struct Body {
    int slot;
    int reference;
    const char* name;
};

constexpr Body kBodies[] = {
    {1, SE_SUN, "SUN"},       {2, SE_MERCURY, "MERCURY"}, {3, SE_VENUS, "VENUS"},
    {4, SE_MARS, "MARS"},     {5, SE_JUPITER, "JUPITER"}, {6, SE_SATURN, "SATURN"},
    {7, SE_URANUS, "URANUS"}, {8, SE_NEPTUNE, "NEPTUNE"}, {9, SE_PLUTO, "PLUTO"},
    {10, SE_MOON, "MOON"},
};

double Wrapped(double deg) {
    double d = std::fmod(deg, 360.0);
    if (d > 180) {
        d -= 360;
    } else if (d <= -180) {
        d += 360;
    }
    return d;
}

// Day number of 1 January of a Gregorian year.
double NewYearDay(int year) {
    const int a = (14 - 1) / 12;
    const int y = year + 4800 - a;
    const int m = 1 + 12 * a - 3;
    return 1 + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

}  // namespace

// velmaris-accuracy [FROM_YEAR TO_YEAR]: 1800 2200 when not given.
int main(int argc, char** argv) {
    const int fromYear = argc == 3 ? std::atoi(argv[1]) : 1800;
    const int toYear = argc == 3 ? std::atoi(argv[2]) : 2200;
    // 20000 dates over the years, at a time of day that wanders.
    const double kFirstDay = NewYearDay(fromYear);
    const double kLastDay = NewYearDay(toYear);
    constexpr int kDates = 20000;
    std::printf("# %d-%d\n", fromYear, toYear);
    std::printf("# body\tlargest error (deg)\tat JD\tmean daily motion (deg)\tminutes\n");
    for (const Body& body : kBodies) {
        double worst = 0;
        double worstAt = 0;
        double motion = 0;
        for (int i = 0; i < kDates; ++i) {
            const double day = std::floor(kFirstDay + i * (kLastDay - kFirstDay) / (kDates - 1));
            const double fraction = ((i * 37) % 100) / 100.0;
            const SkyPositions now = ComputePositions(MakeChartMoment(day, fraction));
            const SkyPositions next = ComputePositions(MakeChartMoment(day + 1, fraction));
            const double jd = day + fraction - 0.5;
            double xx[6] = {};
            char error[AS_MAXCH] = {};
            if (swe_calc(jd, body.reference, SEFLG_MOSEPH, xx, error) < 0) {
                std::fprintf(stderr, "%s\n", error);
                return 1;
            }
            const double diff = std::fabs(Wrapped(now[body.slot] - xx[0]));
            if (diff > worst) {
                worst = diff;
                worstAt = jd;
            }
            motion += std::fabs(Wrapped(next[body.slot] - now[body.slot]));
        }
        motion /= kDates;
        std::printf("%s\t%.5f\t%.1f\t%.5f\t%.0f\n", body.name, worst, worstAt, motion,
                    worst / motion * 1440);
    }
    swe_close();
    return 0;
}
