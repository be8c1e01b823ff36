#include "release_notes.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace velmaris::packaging {
namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

std::string TestData(const std::string& name) {
    return ReadFile(std::string(VELMARIS_TEST_DATA_DIR) + "/" + name);
}

TEST(ReleaseNotes, WritesTheChangelogAndTheReleaseListOfTheSample) {
    const ParseResult parsed = ParseReleaseNotes(TestData("NEWS.sample"));
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(DebianChangelog(parsed.releases, "velmaris", "A Maintainer <a@example.org>"),
              TestData("changelog.golden"));
    EXPECT_EQ(AppStreamReleases(parsed.releases), TestData("releases.golden.xml"));
}

// Each malformed history of the data file is refused with its line and reason.
TEST(ReleaseNotes, RefusesMalformedHistories) {
    std::istringstream file(TestData("malformed-news.txt"));
    std::vector<std::pair<std::string, std::string>> cases;  // error, history
    for (std::string line; std::getline(file, line);) {
        if (line.rfind("### ", 0) == 0) {
            cases.emplace_back(line.substr(4, line.find(" ###", 4) - 4), "");
        } else if (!cases.empty()) {
            cases.back().second += line + "\n";
        }
    }
    ASSERT_EQ(cases.size(), 15U);
    for (const auto& [error, history] : cases) {
        EXPECT_EQ(ParseReleaseNotes(history).error, error) << history;
    }
}

TEST(ReleaseNotes, JoinsContinuationLinesAndAcceptsCarriageReturns) {
    const ParseResult parsed =
        ParseReleaseNotes("VELMARIS 1.01 (2026-12-07)\r\n\r\n- One\r\n  two\r\n- Three\r\n");
    ASSERT_EQ(parsed.error, "");
    ASSERT_EQ(parsed.releases.size(), 1u);
    EXPECT_EQ(parsed.releases[0].items, (std::vector<std::string>{"One two", "Three"}));
}

TEST(ReleaseNotes, DatesCarryTheirWeekday) {
    struct Case {
        int year, month, day;
        const char* expected;
    };
    const Case cases[] = {
        {1970, 1, 1, "Thu, 01 Jan 1970 00:00:00 +0000"},
        {1969, 12, 31, "Wed, 31 Dec 1969 00:00:00 +0000"},
        {1900, 3, 1, "Thu, 01 Mar 1900 00:00:00 +0000"},
        {2000, 2, 29, "Tue, 29 Feb 2000 00:00:00 +0000"},
        {2000, 3, 1, "Wed, 01 Mar 2000 00:00:00 +0000"},
        {2024, 12, 31, "Tue, 31 Dec 2024 00:00:00 +0000"},
        {2026, 12, 7, "Mon, 07 Dec 2026 00:00:00 +0000"},
        {2027, 1, 1, "Fri, 01 Jan 2027 00:00:00 +0000"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Rfc2822Date(c.year, c.month, c.day), c.expected)
            << c.year << "-" << c.month << "-" << c.day;
    }
}

// The package's changelog comes from the program's NEWS; lines past 80 columns are refused by
// the package checker.
TEST(ReleaseNotes, TheProgramsHistoryMakesAChangelogOfShortLines) {
    const ParseResult parsed = ParseReleaseNotes(ReadFile(VELMARIS_NEWS));
    ASSERT_EQ(parsed.error, "");
    std::istringstream changelog(
        DebianChangelog(parsed.releases, "velmaris", "The VELMARIS developers <a@b.org>"));
    std::string line;
    while (std::getline(changelog, line)) {
        EXPECT_LE(line.size(), 80u) << line;
    }
}

}  // namespace
}  // namespace velmaris::packaging
