#include "release_notes.h"

#include <array>
#include <cstdio>
#include <regex>
#include <set>
#include <sstream>

namespace velmaris::packaging {
namespace {

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays.at(static_cast<size_t>(month - 1));
}

// Days since 1970-01-01 of a proleptic Gregorian date.
long DaysFromCivil(int year, int month, int day) {
    const int y = month <= 2 ? year - 1 : year;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yearOfEra = y - era * 400;
    const int monthFromMarch = month > 2 ? month - 3 : month + 9;
    const int dayOfYear = (153 * monthFromMarch + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return static_cast<long>(era) * 146097 + dayOfEra - 719468;
}

std::string XmlEscaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string IsoDate(const Release& release) {
    std::array<char, 16> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%04d-%02d-%02d", release.year, release.month,
                  release.day);
    return buffer.data();
}

ParseResult Failure(int lineNumber, const std::string& what) {
    return {{}, "line " + std::to_string(lineNumber) + ": " + what};
}

}  // namespace

ParseResult ParseReleaseNotes(const std::string& text) {
    static const std::regex kHeading(
        R"(VELMARIS ([0-9][0-9A-Za-z.+~]*) \((\d{4})-(\d{2})-(\d{2})\))");
    ParseResult result;
    std::set<std::string> versions;
    std::istringstream in(text);
    std::string line;
    int lineNumber = 0;
    bool inItem = false;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty()) {
            inItem = false;
            continue;
        }
        if (line.back() == ' ' || line.back() == '\t') {
            return Failure(lineNumber, "trailing blank");
        }
        std::smatch match;
        if (std::regex_match(line, match, kHeading)) {
            Release release;
            release.version = match[1];
            release.year = std::stoi(match[2]);
            release.month = std::stoi(match[3]);
            release.day = std::stoi(match[4]);
            if (release.month < 1 || release.month > 12 || release.day < 1 ||
                release.day > DaysInMonth(release.year, release.month)) {
                return Failure(lineNumber, "no such date");
            }
            if (!versions.insert(release.version).second) {
                return Failure(lineNumber, "version " + release.version + " given twice");
            }
            if (!result.releases.empty()) {
                const Release& newer = result.releases.back();
                if (newer.items.empty()) {
                    return Failure(lineNumber, "release " + newer.version + " has no items");
                }
                if (DaysFromCivil(release.year, release.month, release.day) >
                    DaysFromCivil(newer.year, newer.month, newer.day)) {
                    return Failure(lineNumber, "release dated after the one above it");
                }
            }
            result.releases.push_back(release);
            inItem = false;
            continue;
        }
        if (result.releases.empty()) {
            return Failure(lineNumber, "text before the first release heading");
        }
        Release& release = result.releases.back();
        if (line.rfind("- ", 0) == 0 && line.size() > 2 && line[2] != ' ') {
            release.items.push_back(line.substr(2));
            release.itemLines.push_back({line.substr(2)});
            inItem = true;
        } else if (line.rfind("  ", 0) == 0 && line.size() > 2 && line[2] != ' ' && inItem) {
            release.items.back() += " " + line.substr(2);
            release.itemLines.back().push_back(line.substr(2));
        } else {
            return Failure(lineNumber, "neither a heading, an item nor an item's next line");
        }
    }
    if (result.releases.empty()) {
        return Failure(lineNumber, "no release heading");
    }
    if (result.releases.back().items.empty()) {
        return Failure(lineNumber, "release " + result.releases.back().version + " has no items");
    }
    return result;
}

std::string Rfc2822Date(int year, int month, int day) {
    static constexpr std::array<const char*, 7> kWeekdays = {"Thu", "Fri", "Sat", "Sun",
                                                             "Mon", "Tue", "Wed"};
    static constexpr std::array<const char*, 12> kMonths = {
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const long days = DaysFromCivil(year, month, day);
    // 1970-01-01 was a Thursday.
    const long weekday = ((days % 7) + 7) % 7;
    std::array<char, 40> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%s, %02d %s %04d 00:00:00 +0000",
                  kWeekdays.at(static_cast<size_t>(weekday)), day,
                  kMonths.at(static_cast<size_t>(month - 1)), year);
    return buffer.data();
}

std::string DebianChangelog(const std::vector<Release>& releases, const std::string& package,
                            const std::string& maintainer) {
    std::string out;
    for (const Release& release : releases) {
        out += package + " (" + release.version + ") unstable; urgency=medium\n\n";
        for (const auto& lines : release.itemLines) {
            for (size_t i = 0; i < lines.size(); ++i) {
                out += (i == 0 ? "  * " : "    ") + lines[i] + "\n";
            }
        }
        out += "\n -- " + maintainer + "  " +
               Rfc2822Date(release.year, release.month, release.day) + "\n";
        if (&release != &releases.back()) {
            out += "\n";
        }
    }
    return out;
}

std::string AppStreamReleases(const std::vector<Release>& releases) {
    std::string out = "  <releases>\n";
    for (const Release& release : releases) {
        out += "    <release version=\"" + XmlEscaped(release.version) + "\" date=\"" +
               IsoDate(release) + "\">\n";
        out += "      <description>\n        <ul>\n";
        for (const std::string& item : release.items) {
            out += "          <li>" + XmlEscaped(item) + "</li>\n";
        }
        out += "        </ul>\n      </description>\n    </release>\n";
    }
    out += "  </releases>\n";
    return out;
}

}  // namespace velmaris::packaging
