#include "release_notes.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <string>

namespace velmaris::packaging {
namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    return {std::istreambuf_iterator<char>(in), {}};
}

// The sample has an item that goes on over two lines; it reads the same with CR LF line ends.
TEST(ReleaseNotes, WritesTheChangelogAndTheReleaseListOfTheSample) {
    const std::string sample = ReadFile(VELMARIS_TEST_DATA_DIR "/NEWS.sample");
    for (const std::string& text : {sample, std::regex_replace(sample, std::regex("\n"), "\r\n")}) {
        const ParseResult parsed = ParseReleaseNotes(text);
        ASSERT_EQ(parsed.error, "");
        EXPECT_EQ(DebianChangelog(parsed.releases, "velmaris", "A Maintainer <a@example.org>"),
                  ReadFile(VELMARIS_TEST_DATA_DIR "/changelog.golden"));
        EXPECT_EQ(AppStreamReleases(parsed.releases),
                  ReadFile(VELMARIS_TEST_DATA_DIR "/releases.golden.xml"));
    }
}

// Each malformed history of the data file is refused with its line and reason.
TEST(ReleaseNotes, RefusesMalformedHistories) {
    const std::string file = ReadFile(VELMARIS_TEST_DATA_DIR "/malformed-news.txt");
    // "### error ### what is wrong", then the history up to the next such line.
    const std::regex history("### (.+) ###.*\n((?:(?!### ).*\n)*)");
    int cases = 0;
    for (std::sregex_iterator it(file.begin(), file.end(), history), end; it != end; ++it) {
        EXPECT_EQ(ParseReleaseNotes((*it)[2]).error, (*it)[1].str()) << (*it)[0];
        ++cases;
    }
    EXPECT_EQ(cases, 15);
}

TEST(ReleaseNotes, DatesCarryTheirWeekday) {
    const std::string table = ReadFile(VELMARIS_TEST_DATA_DIR "/rfc2822-dates.txt");
    const std::regex row("(?:^|\n)(\\d+) (\\d+) (\\d+) ([^\n]*)");
    int rows = 0;
    for (std::sregex_iterator it(table.begin(), table.end(), row), end; it != end; ++it) {
        const std::smatch& date = *it;
        EXPECT_EQ(Rfc2822Date(std::stoi(date[1]), std::stoi(date[2]), std::stoi(date[3])),
                  date[4].str());
        ++rows;
    }
    EXPECT_EQ(rows, 8);
}

// The package's changelog comes from the program's NEWS; lines past 80 columns are refused by
// the package checker.
TEST(ReleaseNotes, TheProgramsHistoryMakesAChangelogOfShortLines) {
    const ParseResult parsed = ParseReleaseNotes(ReadFile(VELMARIS_NEWS));
    ASSERT_EQ(parsed.error, "");
    const std::string changelog =
        DebianChangelog(parsed.releases, "velmaris", "The VELMARIS developers <a@b.org>");
    std::smatch longLine;
    EXPECT_FALSE(std::regex_search(changelog, longLine, std::regex("[^\n]{81,}")))
        << longLine.str();
}

}  // namespace
}  // namespace velmaris::packaging
