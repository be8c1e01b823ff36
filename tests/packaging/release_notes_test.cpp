#include "release_notes.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

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

TEST(ReleaseNotes, RefusesMalformedHistories) {
    const std::string first = "VELMARIS 1.01 (2026-12-07)\n\n- One.\n";
    struct Case {
        const char* name;
        std::string text;
        std::string error;
    };
    const Case cases[] = {
        {"empty", "", "line 0: no release heading"},
        {"text before the heading", "News\n" + first,
         "line 1: text before the first release heading"},
        {"heading without items", "VELMARIS 1.01 (2026-12-07)\n\n",
         "line 2: release 1.01 has no items"},
        {"release without items above another", "VELMARIS 1.02 (2027-01-01)\n" + first,
         "line 2: release 1.02 has no items"},
        {"February 29th of a common year", "VELMARIS 1.01 (2027-02-29)\n- One.\n",
         "line 1: no such date"},
        {"month 13", "VELMARIS 1.01 (2026-13-01)\n- One.\n", "line 1: no such date"},
        {"day 0", "VELMARIS 1.01 (2026-12-00)\n- One.\n", "line 1: no such date"},
        {"day 31 of a 30-day month", "VELMARIS 1.01 (2026-11-31)\n- One.\n",
         "line 1: no such date"},
        {"older release first", "VELMARIS 1.00 (2026-12-06)\n- Zero.\n\n" + first,
         "line 4: release dated after the one above it"},
        {"version twice", "VELMARIS 1.01 (2026-12-08)\n- Two.\n\n" + first,
         "line 4: version 1.01 given twice"},
        {"item without the blank after the dash", first + "-Two.\n",
         "line 4: neither a heading, an item nor an item's next line"},
        {"continuation after a blank line", first + "\n  more\n",
         "line 5: neither a heading, an item nor an item's next line"},
        {"continuation indented by three", first + "   more\n",
         "line 4: neither a heading, an item nor an item's next line"},
        {"trailing blank", first + "- Two. \n", "line 4: trailing blank"},
        {"heading with a letter first", "VELMARIS v1.01 (2026-12-07)\n- One.\n",
         "line 1: text before the first release heading"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseReleaseNotes(c.text).error, c.error) << c.name;
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
