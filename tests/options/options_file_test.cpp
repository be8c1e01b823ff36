#include "options/options_file.h"

#include "io/text_lines.h"
#include "support/fakes.h"

#include "support/table.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <tuple>

namespace velmaris::domain {
namespace {

using testing::DataFolder;

// Each line the cursor gives, followed by '|'.
TEST(LineCursorTest, LineEnds) {
    const std::pair<const char*, const char*> cases[] = {{"a\r\nb\r\n", "a|b|"},
                                                         {"a\rb\r", "a|b|"},
                                                         {"a\nb\n", "a|b|"},
                                                         {"a\n\rb", "a||b|"},
                                                         {"a\r\nb", "a|b|"},
                                                         {"a\r\n\r\n\r\nb", "a|||b|"},
                                                         {"", ""},
                                                         {"\r\n", "|"},
                                                         {"a\r", "a|"}};
    for (const auto& [text, want] : cases) {
        std::string lines;
        io::LineCursor cursor((QByteArrayView(text)));
        while (const std::optional<QByteArrayView> line = cursor.Next()) {
            lines += line->toByteArray().toStdString() + "|";
        }
        EXPECT_EQ(lines, want) << QByteArray(text).toPercentEncoding().toStdString();
    }
}

TEST(DecodeLineTest, Utf8OrLatin1) {
    EXPECT_EQ(io::DecodeLine(QByteArrayView("caf\xc3\xa9")), QString::fromUtf8("caf\xc3\xa9"));
    EXPECT_EQ(io::DecodeLine(QByteArrayView("caf\xe9")), QString::fromLatin1("caf\xe9"));
    EXPECT_EQ(io::DecodeLine(QByteArrayView("  plain")), QStringLiteral("  plain"));
}

TEST(LeadingNumber, NumberRule) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("options/leading-number.tsv"), 2)) {
        const double want = row[1] == "inf"    ? std::numeric_limits<double>::infinity()
                            : row[1] == "-inf" ? -std::numeric_limits<double>::infinity()
                                               : row[1].toDouble();
        EXPECT_EQ(LeadingNumber(QString::fromLatin1(row[0])), want) << row[0].toStdString();
    }
}

TEST(ReadOptionsFile, ReadsFirstSevenColumnsUntilEmptyLine) {
    const std::pair<QByteArray, OptionValues> cases[] = {
        {"5      orb\r\n  7.5  birth month\r\n1 0    day\r\n-5.0   year\r\n", {0, 5, 7.5F, 10, -5}},
        {"12.345678\r\n", {0, 12.3456F}},                // the seventh column cuts a long number
        {"5\r\n   \r\n9\r\n", {0, 5, 0, 9}},             // a blank line is not empty
        {"5\r\n\r\n9\r\n", {0, 5}},                      // an empty line ends reading
        {"1\r2\n3\r\n4", {0, 1, 2, 3, 4}},               // CR alone and LF alone end lines too
        {"&H10\r\n&O10\r\n", {0, 16, 8}},                // hexadecimal and octal
        {"1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n13\n",  // the thirteenth line is not read
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
    };
    for (const auto& [file, want] : cases) {
        DataFolder folder;
        folder.Write(QStringLiteral("OPTIONS.OPT"), file);
        OptionValues values{};
        const OptionsRead read = ReadOptionsFile(folder.Path(), values);
        EXPECT_TRUE(read.opened && read.problems.isEmpty()) << file.toStdString();
        EXPECT_EQ(values, want) << file.toStdString();
    }
}

// Entries the file does not reach keep the values they had, and so do all when it is missing.
TEST(ReadOptionsFile, UnreadLinesKeepOldValues) {
    DataFolder folder;
    OptionValues values{};
    values.fill(7);
    EXPECT_FALSE(ReadOptionsFile(folder.Path(), values).opened);
    EXPECT_EQ(values[1], 7.0F);
    folder.Write(QStringLiteral("OPTIONS.OPT"), "3\r\n\r\n99\r\n");
    ASSERT_TRUE(ReadOptionsFile(folder.Path(), values).opened);
    EXPECT_EQ(values[1], 3.0F);
    EXPECT_EQ(values[2], 7.0F);
    EXPECT_EQ(values[12], 7.0F);
}

TEST(ReadOptionsFile, ValueBeyondSinglePrecisionIsRefused) {
    DataFolder folder;
    folder.Write(QStringLiteral("OPTIONS.OPT"), "5\r\n9E99\r\n-1E39\r\n3E38\r\n");
    OptionValues values{};
    values[2] = 6;
    const OptionsRead read = ReadOptionsFile(folder.Path(), values);
    EXPECT_EQ(values, (OptionValues{0, 5, 6, 0, 3E38F}));
    ASSERT_EQ(read.problems.size(), 2);
    EXPECT_EQ(read.problems[0].toStdString(),
              "Line 2 of OPTIONS.OPT holds a number too large to be used; the value 6 stays in "
              "force.");
    EXPECT_TRUE(read.problems[1].startsWith(QStringLiteral("Line 3 ")));
}

}  // namespace
}  // namespace velmaris::domain
