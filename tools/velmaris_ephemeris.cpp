// Reads lines "DAYNUMBER DAYFRACTION" from standard input and prints, for each, the ten
// geocentric longitudes of slots 1..10 (Sun, Mercury .. Pluto, Moon) with %.17g, separated by
// single spaces. A line that cannot be read, or a date the ephemeris refuses, prints "error" on
// standard output and a message on standard error; reading goes on with the next line.
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "positions/positions.h"

namespace {

// Parses exactly two finite decimal numbers separated by white space.
bool ParseLine(const std::string& line, double& dayNumber, double& dayFraction) {
    const char* cursor = line.c_str();
    char* end = nullptr;
    errno = 0;
    dayNumber = std::strtod(cursor, &end);
    if (end == cursor || errno == ERANGE) {
        return false;
    }
    cursor = end;
    dayFraction = std::strtod(cursor, &end);
    if (end == cursor || errno == ERANGE) {
        return false;
    }
    for (cursor = end; *cursor != '\0'; ++cursor) {
        if (*cursor != ' ' && *cursor != '\t' && *cursor != '\r') {
            return false;
        }
    }
    return std::isfinite(dayNumber) && std::isfinite(dayFraction);
}

}  // namespace

int main() {
    std::string line;
    long lineNumber = 0;
    while (std::getline(std::cin, line)) {
        ++lineNumber;
        double dayNumber = 0.0;
        double dayFraction = 0.0;
        if (!ParseLine(line, dayNumber, dayFraction)) {
            std::fprintf(stderr, "line %ld: expected \"DAYNUMBER DAYFRACTION\"\n", lineNumber);
            std::puts("error");
            continue;
        }
        try {
            const velmaris::ephem::SkyPositions positions = velmaris::ephem::ComputePositions(
                velmaris::ephem::MakeChartMoment(dayNumber, dayFraction));
            for (int slot = velmaris::ephem::kFirstBody; slot <= velmaris::ephem::kLastBody;
                 ++slot) {
                std::printf(slot == velmaris::ephem::kFirstBody ? "%.17g" : " %.17g",
                            positions[static_cast<std::size_t>(slot)]);
            }
            std::putchar('\n');
        } catch (const velmaris::ephem::EphemerisError& error) {
            std::fprintf(stderr, "line %ld: %s\n", lineNumber, error.what());
            std::puts("error");
        }
    }
    return 0;
}
