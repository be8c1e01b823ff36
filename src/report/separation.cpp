#include "report/separation.h"

#include <cmath>
#include <iterator>

namespace velmaris::domain {
namespace {

// Upper or lower bound of a range that has only one side.
enum class Sides { Both, LowerOnly, UpperOnly };

struct AspectTest {
    int index;
    double angleDeg;
    Sides sides;
};

// clang-format off
inline constexpr AspectTest kAspectTests[] = {
//    index          angle  sides
    { kSextile,        60, Sides::Both      },
    { kSquare,         90, Sides::Both      },
    { kTrine,         120, Sides::Both      },
    { kOpposite,      180, Sides::LowerOnly },
    { kSemiSextile,    30, Sides::Both      },
    { kSemiSquare,     45, Sides::Both      },
    { kSesquiSquare,  135, Sides::Both      },
    { kQuincunx,      150, Sides::Both      },
    { kConjunct,        0, Sides::UpperOnly },
};
// clang-format on
static_assert(std::size(kAspectTests) == 9);

}  // namespace

Aspect FindAspect(double separationDeg, float orbDeg) {
    const double s = separationDeg > 180 ? 360 - separationDeg : separationDeg;
    const float single = static_cast<float>(s);
    Aspect found{kNoAspect, s};
    for (const AspectTest& test : kAspectTests) {
        const float lower = static_cast<float>(test.angleDeg - static_cast<double>(orbDeg));
        const float upper = static_cast<float>(test.angleDeg + static_cast<double>(orbDeg));
        const bool aboveLower = test.sides == Sides::UpperOnly || single >= lower;
        const bool belowUpper = test.sides == Sides::LowerOnly || single <= upper;
        if (aboveLower && belowUpper) {
            found.index = test.index;
            found.deviation = std::floor((s - test.angleDeg + 0.05) * 10) / 10;
        }
    }
    return found;
}

}  // namespace velmaris::domain
