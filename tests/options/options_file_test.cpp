#include "options/options_file.h"

#include "support/fakes.h"

#include <gtest/gtest.h>

namespace velmaris::domain {
namespace {

using testing::DataFolder;

TEST(LeadingNumber, NumberRule) {
    struct Case {
        const char* text;
        double want;
    };
    const Case cases[] = {
        {"5      description", 5},
        {"  7.5", 7.5},
        {"1 0", 10},
        {"-5.0", -5},
        {"+2.25", 2.25},
        {"\t3\t4", 34},
        {"1\n2", 12},
        {"", 0},
        {"      ", 0},
        {"abc", 0},
        {".5", 0.5},
        {"5.", 5},
        {"-.25", -0.25},
        {"1.2.3", 1.2},
        {"12a34", 12},
        {"1E3", 1000},
        {"1e-2", 0.01},
        {"2.5E+2x", 250},
        {"1E", 1},
        {"1E+", 1},
        {"- 5", -5},
        {"&H1F", 31},
        {"&hff", 255},
        {"&HFG", 15},
        {"&O17", 15},
        {"&o8", 0},
        {"&X1", 0},
        {"--5", 0},
        {"1E999", std::numeric_limits<double>::infinity()},
        {"1E-999", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(LeadingNumber(QString::fromLatin1(c.text)), c.want);
    }
}

TEST(ReadOptionsFile, ReadsFirstSevenColumnsUntilEmptyLine) {
    struct Case {
        const char* label;
        QByteArray file;
        OptionValues want;
    };
    const Case cases[] = {
        {"described values, CR LF",
         "5      orb\r\n  7.5  birth month\r\n1 0    day\r\n-5.0   year\r\n",
         {0, 5, 7.5F, 10, -5}},
        {"seventh column cuts a long number", "12.345678\r\n", {0, 12.3456F}},
        {"blank line is not empty", "5\r\n   \r\n9\r\n", {0, 5, 0, 9}},
        {"empty line ends reading", "5\r\n\r\n9\r\n", {0, 5}},
        {"CR alone and LF alone end lines too", "1\r2\n3\r\n4", {0, 1, 2, 3, 4}},
        {"thirteenth line is not read",
         "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n13\n",
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {"hexadecimal and octal", "&H10\r\n&O10\r\n", {0, 16, 8}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        DataFolder folder;
        folder.Write(QStringLiteral("OPTIONS.OPT"), c.file);
        OptionValues values{};
        const OptionsRead read = ReadOptionsFile(folder.Path(), values);
        EXPECT_TRUE(read.opened);
        EXPECT_TRUE(read.problems.isEmpty());
        for (std::size_t i = 1; i <= 12; ++i) {
            EXPECT_EQ(values[i], c.want[i]) << "entry " << i;
        }
    }
}

TEST(ReadOptionsFile, UnreadLinesKeepOldValues) {
    DataFolder folder;
    folder.Write(QStringLiteral("OPTIONS.OPT"), "3\r\n\r\n99\r\n");
    OptionValues values{};
    values.fill(7);
    ASSERT_TRUE(ReadOptionsFile(folder.Path(), values).opened);
    EXPECT_EQ(values[1], 3.0F);
    EXPECT_EQ(values[2], 7.0F);
    EXPECT_EQ(values[12], 7.0F);
}

TEST(ReadOptionsFile, TwelveValuesThenDocumentation) {
    DataFolder folder;
    QByteArray file;
    for (int i = 1; i <= 12; ++i) {
        file += QByteArray::number(i * 2) + "      entry\r\n";
    }
    file += "\r\n1234567 documentation that looks like numbers\r\n";
    folder.Write(QStringLiteral("OPTIONS.OPT"), file);
    OptionValues values{};
    ASSERT_TRUE(ReadOptionsFile(folder.Path(), values).opened);
    for (std::size_t i = 1; i <= 12; ++i) {
        EXPECT_EQ(values[i], static_cast<float>(i * 2)) << "entry " << i;
    }
}

TEST(ReadOptionsFile, MissingFileIsReported) {
    DataFolder folder;
    OptionValues values{};
    values[1] = 4;
    EXPECT_FALSE(ReadOptionsFile(folder.Path(), values).opened);
    EXPECT_EQ(values[1], 4.0F);
}

TEST(ReadOptionsFile, ValueBeyondSinglePrecisionIsRefused) {
    DataFolder folder;
    folder.Write(QStringLiteral("OPTIONS.OPT"), "5\r\n9E99\r\n-1E39\r\n3E38\r\n");
    OptionValues values{};
    values[2] = 6;
    const OptionsRead read = ReadOptionsFile(folder.Path(), values);
    EXPECT_EQ(values[1], 5.0F);
    EXPECT_EQ(values[2], 6.0F);
    EXPECT_EQ(values[3], 0.0F);
    EXPECT_EQ(values[4], 3E38F);
    ASSERT_EQ(read.problems.size(), 2);
    EXPECT_EQ(read.problems[0].toStdString(),
              "Line 2 of OPTIONS.OPT holds a number too large to be used; the value 6 stays in "
              "force.");
    EXPECT_TRUE(read.problems[1].startsWith(QStringLiteral("Line 3 ")));
}

TEST(ComputeChartMoment, DayFractionFromClockZoneAndHalfDay) {
    struct Case {
        const char* label;
        float clock;
        const char* amPm;
        float zone;
        double dayFraction;
    };
    const Case cases[] = {
        {"12:15 A.M. counts as 0:15", 12.15F, "A.M.", 5, (0.25 + 5) / 24},
        {"12:15 P.M. is half a day later", 12.15F, "P.M.", 5, (0.25 + 5) / 24 + 0.5},
        {"11:00 P.M. zone 5 runs into the next day", 11.0F, "P.M.", 5, (11.0 + 5) / 24 + 0.5},
        {"negative zone", 1.30F, "A.M.", -3, (1.5 - 3) / 24},
        {"lower-case p.m. is not P.M.", 3.0F, "p.m.", 0, 3.0 / 24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        MomentFields fields;
        fields.year = 2026;
        fields.month = 12;
        fields.day = 4;
        fields.clock = c.clock;
        fields.amPm = QString::fromLatin1(c.amPm);
        fields.zone = c.zone;
        const ephem::ChartMoment moment = ComputeChartMoment(fields);
        EXPECT_EQ(moment.dayNumber, 2461379);
        EXPECT_NEAR(moment.dayFraction, c.dayFraction, 1e-6);
        EXPECT_NEAR(moment.julianCenturies, (2461379 - 2415020 + c.dayFraction - 0.5) / 36525,
                    1e-12);
    }
}

}  // namespace
}  // namespace velmaris::domain
