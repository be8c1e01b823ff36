#include "options/text_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmaris::domain {
namespace {

std::vector<std::string> Lines(QByteArrayView text) {
    std::vector<std::string> lines;
    LineCursor cursor(text);
    while (const std::optional<QByteArrayView> line = cursor.Next()) {
        lines.emplace_back(line->data(), static_cast<std::size_t>(line->size()));
    }
    return lines;
}

TEST(LineCursor, LineEnds) {
    struct Case {
        const char* label;
        const char* text;
        std::vector<std::string> want;
    };
    const Case cases[] = {
        {"CR LF", "a\r\nb\r\n", {"a", "b"}},
        {"CR alone", "a\rb\r", {"a", "b"}},
        {"LF alone", "a\nb\n", {"a", "b"}},
        {"LF CR is two ends", "a\n\rb", {"a", "", "b"}},
        {"last line without end", "a\r\nb", {"a", "b"}},
        {"empty lines kept", "a\r\n\r\n\r\nb", {"a", "", "", "b"}},
        {"empty text", "", {}},
        {"a single line end", "\r\n", {""}},
        {"CR at the very end", "a\r", {"a"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(Lines(QByteArrayView(c.text)), c.want);
    }
}

TEST(DecodeLine, Utf8OrLatin1) {
    EXPECT_EQ(DecodeLine(QByteArrayView("caf\xc3\xa9")), QString::fromUtf8("caf\xc3\xa9"));
    EXPECT_EQ(DecodeLine(QByteArrayView("caf\xe9")), QString::fromLatin1("caf\xe9"));
    EXPECT_EQ(DecodeLine(QByteArrayView("  plain")), QStringLiteral("  plain"));
}

}  // namespace
}  // namespace velmaris::domain
