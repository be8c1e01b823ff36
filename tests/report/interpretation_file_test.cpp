#include "report/interpretation_file.h"

#include "support/fakes.h"

#include <gtest/gtest.h>

namespace velmaris::domain {
namespace {

TEST(InterpretationFileName, PerTransitingBody) {
    EXPECT_EQ(InterpretationFileName(1).toStdString(), "SUN.TXT");
    EXPECT_EQ(InterpretationFileName(4).toStdString(), "MARS.TXT");
    EXPECT_EQ(InterpretationFileName(9).toStdString(), "PLUTO.TXT");
}

TEST(IsKeyLine, MatchingRule) {
    struct Case {
        const char* line;
        bool matches;
    };
    const Case cases[] = {
        {"SUN Conjunct MOON", true},
        {"   sun conjunct moon", true},
        {"Sun CONJUNCT Moon", true},
        {"SUN Conjunct MOON ", false},
        {"\tSUN Conjunct MOON", false},
        {"SUN  Conjunct MOON", false},
        {"SUN Conjunct MOO", false},
        {"SUN Conjunct MOONS", false},
        {"", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(IsKeyLine(QByteArrayView(c.line), "SUN Conjunct MOON"), c.matches);
    }
}

QByteArray EmptyLines(int count, const char* end = "\r\n") {
    QByteArray lines;
    for (int i = 0; i < count; ++i) {
        lines += end;
    }
    return lines;
}

TEST(FindInterpretation, SearchRules) {
    struct Case {
        const char* label;
        QByteArray text;
        std::optional<QStringList> want;
    };
    const QByteArray key = "SUN Square MOON";
    const Case cases[] = {
        {"paragraph up to the next empty line",
         "SUN Square MOON\r\nOne.\r\n  Two.\r\n\r\nNot this.\r\n",
         QStringList{QStringLiteral("One."), QStringLiteral("  Two.")}},
        {"first match wins", "sun square moon\r\nFirst.\r\n\r\nSUN Square MOON\r\nSecond.\r\n",
         QStringList{QStringLiteral("First.")}},
        {"blank line kept in the paragraph", "SUN Square MOON\r\nOne.\r\n   \r\nTwo.\r\n\r\n",
         QStringList{QStringLiteral("One."), QStringLiteral("   "), QStringLiteral("Two.")}},
        {"paragraph ends at the end of the text", "SUN Square MOON\rOne.\rTwo.",
         QStringList{QStringLiteral("One."), QStringLiteral("Two.")}},
        {"key line at the very end gives an empty paragraph", "x\nSUN Square MOON", QStringList{}},
        {"nine empty lines do not end the search",
         "SUN Trine MOON\r\nx\r\n" + EmptyLines(9) + "SUN Square MOON\r\nFound.\r\n",
         QStringList{QStringLiteral("Found.")}},
        {"ten empty lines end the search",
         "SUN Trine MOON\r\nx\r\n" + EmptyLines(10) + "SUN Square MOON\r\nFound.\r\n",
         std::nullopt},
        {"ten empty lines at the top end the search",
         EmptyLines(10, "\n") + "SUN Square MOON\nFound.\n", std::nullopt},
        {"a non-empty line resets the count",
         EmptyLines(6) + "text\r\n" + EmptyLines(6) + "SUN Square MOON\r\nFound.\r\n",
         QStringList{QStringLiteral("Found.")}},
        {"a blank line resets the count",
         EmptyLines(6) + " \r\n" + EmptyLines(6) + "SUN Square MOON\r\nFound.\r\n",
         QStringList{QStringLiteral("Found.")}},
        {"no key", "SUN Trine MOON\r\nx\r\n", std::nullopt},
        {"empty text", "", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(FindInterpretation(c.text, key), c.want);
    }
}

TEST(LookUpInterpretation, MissingFileFindsNothing) {
    testing::DataFolder folder;
    EXPECT_FALSE(LookUpInterpretation(folder.FilePath(QStringLiteral("SUN.TXT")), "SUN Square MOON")
                     .has_value());
    folder.Write(QStringLiteral("SUN.TXT"), "SUN Square MOON\r\nText.\r\n");
    EXPECT_EQ(LookUpInterpretation(folder.FilePath(QStringLiteral("SUN.TXT")), "SUN Square MOON"),
              QStringList{QStringLiteral("Text.")});
}

}  // namespace
}  // namespace velmaris::domain
