#include "report/interpretation_file.h"

#include "support/table.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace velmaris::domain {
namespace {

TEST(IsKeyLine, MatchingRule) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("report/key-lines.tsv"), 2)) {
        EXPECT_EQ(IsKeyLine(QByteArrayView(row[0]), "SUN Conjunct MOON"), row[1] == "1")
            << row[0].toStdString();
    }
}

// The paragraph found for SUN Square MOON, its lines joined by '|'; "none" when none is found.
std::string Found(const QByteArray& text) {
    const std::optional<QStringList> paragraph = FindInterpretation(text, "SUN Square MOON");
    return paragraph ? paragraph->join('|').toStdString() : "none";
}

TEST(FindInterpretation, SearchRules) {
    const QByteArray nine = QByteArray("\r\n").repeated(9);
    const QByteArray six = QByteArray("\r\n").repeated(6);
    const std::tuple<const char*, QByteArray, const char*> cases[] = {
        {"paragraph up to the next empty line",
         "SUN Square MOON\r\nOne.\r\n  Two.\r\n\r\nNot this.\r\n", "One.|  Two."},
        {"first match wins", "sun square moon\r\nFirst.\r\n\r\nSUN Square MOON\r\nSecond.\r\n",
         "First."},
        {"blank line kept in the paragraph", "SUN Square MOON\r\nOne.\r\n   \r\nTwo.\r\n\r\n",
         "One.|   |Two."},
        {"paragraph ends at the end of the text", "SUN Square MOON\rOne.\rTwo.", "One.|Two."},
        {"key line at the very end gives an empty paragraph", "x\nSUN Square MOON", ""},
        {"nine empty lines do not end the search",
         "SUN Trine MOON\r\nx\r\n" + nine + "SUN Square MOON\r\nFound.\r\n", "Found."},
        {"ten empty lines end the search",
         "SUN Trine MOON\r\nx\r\n" + nine + "\r\nSUN Square MOON\r\nFound.\r\n", "none"},
        {"ten empty lines at the top end the search",
         QByteArray("\n").repeated(10) + "SUN Square MOON\nFound.\n", "none"},
        {"a non-empty line resets the count",
         six + "text\r\n" + six + "SUN Square MOON\r\nFound.\r\n", "Found."},
        {"a blank line resets the count", six + " \r\n" + six + "SUN Square MOON\r\nFound.\r\n",
         "Found."},
        {"no key", "SUN Trine MOON\r\nx\r\n", "none"},
        {"empty text", "", "none"},
    };
    for (const auto& [label, text, want] : cases) {
        EXPECT_EQ(Found(text), want) << label;
    }
}

}  // namespace
}  // namespace velmaris::domain
