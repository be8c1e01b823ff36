// Bad input to the domain: option values out of range or not numbers, binary data, NUL bytes,
// very long lines and very large files in the files the program reads, a full buffer while a
// page is written, and the furthest dates the New Date fields accept. Each case ends in a
// clear message or a quiet outcome that docs/bad-input.md describes; none may crash or hang.
#include "help/help_topic.h"
#include "options/options_file.h"
#include "options/window_settings.h"
#include "report/report_rig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <tuple>

namespace velmaris::domain {
namespace {

using session::Program;

using testing::DataFolder;
using testing::kToday;

// The bytes of a literal, NULs included.
template <std::size_t N>
QByteArray Bytes(const char (&text)[N]) {
    return QByteArray(text, N - 1);
}

const QString kNul(1, QChar(0));

// Bytes that look like nothing: every byte value, NULs, lone CRs and LFs, in a fixed order.
QByteArray BinaryBytes(int size) {
    QByteArray bytes(size, '\0');
    quint32 state = 12345;
    for (char& byte : bytes) {
        state = state * 1103515245U + 12345U;
        byte = static_cast<char>(state >> 23);
    }
    return bytes;
}

// Writes `bytes`; when there are none, a file of 100 MB that starts with `head` (the rest is a
// hole, so it costs no disk).
void Put(const DataFolder& folder, const QString& name, const QByteArray& bytes,
         const QByteArray& head) {
    if (!bytes.isEmpty()) {
        folder.Write(name, bytes);
        return;
    }
    QFile file(folder.FilePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(head) == head.size() &&
                file.resize(qint64{100} * 1024 * 1024));
}

void ExpectSensiblePage(const Program& program) {
    const QStringList& page = program.Buffer().PageLines();
    ASSERT_GE(page.size(), 8);
    EXPECT_EQ(page[1], kReportHeading);
    EXPECT_TRUE(page[3].startsWith(QStringLiteral("     "))) << page[3].toStdString();
    if (!page.contains(kNoPositionsLine)) {
        for (std::size_t body = 1; body <= 10; ++body) {
            EXPECT_GE(program.SkyPositions()[body], 0.0) << body;
            EXPECT_LE(program.SkyPositions()[body], 360.0) << body;
        }
    }
}

// Each case: the line of OPTIONS.OPT and its text, the entry as read, the one message at
// start-up (empty for none), and what else shows of it.
TEST(BadOptionValues, StartUpSaysWhatItRefusedOrGoesOnQuietly) {
    using Outcome = bool (*)(const Program&);
    const std::tuple<const char*, int, QByteArray, float, const char*, Outcome> cases[] = {
        {"birth month 0 is December of the year before", 2, "0", 0, "",
         [](const Program& p) { return p.Natal().month == 0; }},
        {"orb -5 finds no aspect", 1, "-5", -5, "",
         [](const Program& p) { return p.Buffer().PageLines().contains(kNoAspectsLine); }},
        {"a line of 1 MB keeps its first seven columns", 1, "5" + QByteArray(1000000, 'x'), 5, "",
         nullptr},
        {"binary bytes give 0", 3, Bytes("\x01\x00\xff\x80"), 0, "",
         [](const Program& p) { return p.Natal().day == 0; }},
        {"birth year 99999 does not fit 16 bits", 4, "99999", 99999,
         "Line 4 of OPTIONS.OPT holds 99999 as the birth year, which is out of range.",
         [](const Program& p) { return p.Natal().year == 0; }},
        {"birth zone 1e30", 8, "1e30", 1e30F,
         "Line 8 of OPTIONS.OPT holds 1e+30 as the time zone of birth, which is out of range "
         "(-24 to 24 hours); 0 is used instead.",
         [](const Program& p) { return p.Natal().zone == 0.0F; }},
        {"clock zone -25", 9, "-25", -25,
         "Line 9 of OPTIONS.OPT holds -25 as the time zone of the clock, which is out of range "
         "(-24 to 24 hours); 0 is used instead.",
         [](const Program& p) { return p.Chosen().zone == 0.0F; }},
    };
    for (const auto& [label, line, text, value, message, outcome] : cases) {
        SCOPED_TRACE(label);
        testing::ProgramRig f;
        testing::CopyDataFiles(f.folder);
        f.folder.Write(QStringLiteral("OPTIONS.OPT"), testing::OptionsText(line, text));
        f.program.StartUp();
        EXPECT_EQ(f.program.Options()[static_cast<std::size_t>(line)], value);
        ASSERT_EQ(f.messages.shown.size(), *message == '\0' ? 0U : 1U);
        if (*message != '\0') {
            EXPECT_EQ(f.messages.shown[0].text.toStdString(), message);
        }
        ExpectSensiblePage(f.program);
        EXPECT_EQ(f.program.NextReportDay(), kToday + 1);
        EXPECT_TRUE(outcome == nullptr || outcome(f.program));
    }
}

TEST(BadDataFiles, OptionsFile) {
    // Binary data gives finite entries; a NUL ends a number like any other character.
    DataFolder folder;
    OptionValues values{};
    folder.Write(QStringLiteral("OPTIONS.OPT"), BinaryBytes(4096));
    EXPECT_TRUE(ReadOptionsFile(folder.Path(), values).opened);
    for (std::size_t i = 1; i <= 12; ++i) {
        EXPECT_TRUE(std::isfinite(values[i])) << i;
    }
    folder.Write(QStringLiteral("OPTIONS.OPT"), Bytes("5\x00"
                                                      "9\r\n\x00 7\r\n"));
    EXPECT_TRUE(ReadOptionsFile(folder.Path(), values).opened);
    EXPECT_EQ(values[1], 5.0F);
    EXPECT_EQ(values[2], 0.0F);

    // A file of 100 MB is named in a message at start-up and every option stays 0.
    testing::ProgramRig f;
    Put(f.folder, QStringLiteral("OPTIONS.OPT"), {}, "5\r\n7\r\n");
    f.program.StartUp();
    ASSERT_FALSE(f.messages.shown.empty());
    EXPECT_EQ(f.messages.shown[0].text.toStdString(),
              "OPTIONS.OPT is larger than 1048576 bytes, so it was not read. Every option stays "
              "at its present value (0 at start-up).");
    EXPECT_EQ(f.program.Options(), OptionValues{});
    ExpectSensiblePage(f.program);
}

// Each case: the file (none: 100 MB whose first line asks for 20 points), then the font size
// and the width read; the height always stays at its default.
TEST(BadDataFiles, WindowSettingsFile) {
    const std::tuple<const char*, QByteArray, double, float> cases[] = {
        {"binary data", BinaryBytes(4096), 9.25, 8805},
        {"NUL bytes end a number",
         Bytes("FontSize= 12\x00"
               "5\r\nVelmarisWidth= 9\x00"
               "000\r\n"),
         12, 9},
        {"a number of a million digits is refused, a long tail ignored",
         "FontSize= 11" + QByteArray(500000, 'x') + "\r\nVelmarisWidth= 9" +
             QByteArray(500000, '0') + "\r\n",
         11, 8805},
        {"a file of 100 MB is not read", {}, 9.25, 8805},
    };
    for (const auto& [label, bytes, fontSize, width] : cases) {
        SCOPED_TRACE(label);
        DataFolder folder;
        Put(folder, QStringLiteral("VELMARIS.INI"), bytes, "FontSize= 20\r\n");
        const WindowSettings settings = ReadWindowSettings(folder.Path());
        EXPECT_EQ(settings.fontSize, fontSize);
        EXPECT_EQ(settings.width, width);
        EXPECT_EQ(settings.height, WindowSettings{}.height);
    }
}

// Each case: the file (none: 100 MB) and the topic's lines, nothing when it is not shown.
TEST(BadDataFiles, HelpTopicFile) {
    const QByteArray binary = BinaryBytes(65536);
    const std::tuple<const char*, QByteArray, std::optional<QStringList>> cases[] = {
        {"NUL bytes are kept",
         Bytes("a\x00"
               "b\r\n\x00\r\n"),
         QStringList{QStringLiteral("a") + kNul + QStringLiteral("b"), kNul}},
        {"a line of 1 MB", QByteArray(1000000, 'h') + "\r\nend",
         QStringList{QString(1000000, QLatin1Char('h')), QStringLiteral("end")}},
        {"a file of 100 MB is not shown", {}, std::nullopt},
        {"binary data is shown as lines", binary, QStringList()},
    };
    for (const auto& [label, bytes, lines] : cases) {
        SCOPED_TRACE(label);
        testing::ReportRig f;
        Put(f.folder, QStringLiteral("HINTS.HLP"), bytes, "Hints\r\n");
        f.buffer.AppendBufferLine(QStringLiteral("the page before"));
        testing::ShowPage(f.buffer, f.textArea);
        const QString before = f.textArea.text;

        EXPECT_EQ(testing::ShowTopic(f.folder.Path(), QStringLiteral("HINTS.HLP"), f.buffer,
                                     f.textArea, f.messages),
                  lines.has_value());
        ASSERT_EQ(f.messages.shown.size(), lines ? 0U : 1U);
        if (bytes == binary) {
            // Shown as lines, none holding a line end.
            EXPECT_GT(f.buffer.PageLineCount(), 100);
            for (const QString& line : f.buffer.PageLines()) {
                EXPECT_FALSE(line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')));
            }
        } else if (lines) {
            EXPECT_EQ(f.buffer.PageLines(), *lines + QStringList(2, QString()));
        } else {
            EXPECT_EQ(f.textArea.text, before);
            EXPECT_EQ(f.buffer.AllLineCount(), 2);
            EXPECT_EQ(f.messages.shown[0].text.toStdString(),
                      "HINTS.HLP is larger than 1048576 bytes, so it was not read.");
        }
    }
}

// The lines after the aspect line of SUN Square MOON, up to the blank line after them.
std::optional<QStringList> SunSquareMoonParagraph(const QStringList& page) {
    for (qsizetype i = 0; i < page.size(); ++i) {
        if (page[i].startsWith(QStringLiteral("     SUN Square MOON "))) {
            return page.mid(i + 1, page.indexOf(QString(), i + 1) - i - 1);
        }
    }
    return std::nullopt;
}

// The golden sky asks SUN.TXT for nine aspects of the Sun; only SUN Square MOON is in the
// files these tests write. Each case: the file (none: 100 MB that starts with the entry) and
// the paragraph shown.
TEST(BadDataFiles, InterpretationFile) {
    const std::tuple<const char*, QByteArray, std::optional<QStringList>> cases[] = {
        {"binary data holds no key", BinaryBytes(65536), std::nullopt},
        {"a NUL inside a key line spoils it; NULs in a paragraph are copied",
         Bytes("SUN\x00Square MOON\r\nWrong.\r\n\r\nSUN Square MOON\r\nA\x00"
               "B\r\n\x00\r\n"),
         QStringList{QStringLiteral("A") + kNul + QStringLiteral("B"), kNul}},
        {"a paragraph line of 1 MB", "SUN Square MOON\r\n" + QByteArray(1000000, 'p') + "\r\n",
         QStringList{QString(1000000, QLatin1Char('p'))}},
        {"a file of 100 MB is not read, and said once a page", {}, std::nullopt},
    };
    for (const auto& [label, bytes, paragraph] : cases) {
        SCOPED_TRACE(label);
        testing::ReportRig f;
        Put(f.folder, QStringLiteral("SUN.TXT"), bytes, "SUN Square MOON\r\nText.\r\n");
        f.Write();
        EXPECT_EQ(SunSquareMoonParagraph(f.buffer.PageLines()), paragraph);
        EXPECT_EQ(f.buffer.PageLines().contains(kNoAspectsLine), !paragraph.has_value());
        ASSERT_EQ(f.messages.shown.size(), bytes.isEmpty() ? 1U : 0U);
        if (bytes.isEmpty()) {
            EXPECT_EQ(f.messages.shown[0].text.toStdString(),
                      "SUN.TXT is larger than 1048576 bytes, so it was not read. The aspects it "
                      "explains are left out of the report.");
        }
        EXPECT_EQ(f.state.nextReportDay, kToday + 1);
    }
}

TEST(FullBuffer, PagesWrittenAtTheLimitLoseNothingAndDoNotFloodMessages) {
    // SUN.TXT explains the square with a paragraph of 50 lines.
    QByteArray sunText = "SUN Square MOON\r\n";
    for (int i = 1; i <= 50; ++i) {
        sunText += "Paragraph line " + QByteArray::number(i) + "\r\n";
    }
    // The page on an empty buffer: every line the report offers, and the paragraph lines.
    testing::ReportRig free;
    free.folder.Write(QStringLiteral("SUN.TXT"), sunText);
    free.Write();
    const int reportLines = free.buffer.PageLineCount();
    ASSERT_EQ(SunSquareMoonParagraph(free.buffer.PageLines()).value_or(QStringList()).size(), 50);

    // Each case: a report page (else the help topic of 100000 lines), the lines in the buffer
    // before it, the lines it gets into the buffer and the full-buffer messages shown.
    const std::tuple<const char*, bool, int, int, int> cases[] = {
        // The paragraph stops at its first refused line, so its 50 lines give one message;
        // every other line of the page gives its own.
        {"report on a full buffer", true, kBufferLineLimit, 0, reportLines - (50 - 1)},
        // One message for the first refused topic line, one for the closing blank line of the
        // topic and one for the blank line the show adds.
        {"long topic on a full buffer", false, kBufferLineLimit, 0, 3},
        {"long topic fills the buffer, then stops", false, 32000, kBufferLineLimit - 32000, 3},
    };
    for (const auto& [label, report, linesBefore, storedLines, fullMessages] : cases) {
        SCOPED_TRACE(label);
        testing::ReportRig f;
        f.folder.Write(QStringLiteral("SUN.TXT"), sunText);
        f.folder.Write(QStringLiteral("HINTS.HLP"), QByteArray("t\r\n").repeated(100000));
        for (int i = 0; i < linesBefore; ++i) {
            f.buffer.AppendBufferLine(QStringLiteral("old %1").arg(i));
        }
        const QStringList before = f.buffer.AllLines();
        if (report) {
            f.buffer.ClearDataBuffer();
            f.Write();
            EXPECT_EQ(f.state.nextReportDay, kToday + 1);
        } else {
            EXPECT_TRUE(testing::ShowTopic(f.folder.Path(), QStringLiteral("HINTS.HLP"), f.buffer,
                                           f.textArea, f.messages));
            EXPECT_EQ(f.textArea.text.count(QStringLiteral("\r\n")), storedLines + 1);
        }
        EXPECT_EQ(f.buffer.AllLineCount(), linesBefore + storedLines);
        EXPECT_EQ(f.buffer.AllLines().mid(0, linesBefore), before);
        EXPECT_EQ(f.buffer.PageLineCount(), storedLines);
        EXPECT_EQ(f.messages.CountOf(session::kBufferFullText), fullMessages);
    }
}

// Each case: the New Date fields, then the commands after the New Date page (F forward, B
// backward); every page is sensible and moves the day by one.
TEST(FarDates, TheEndsOfTheNewDateRangeAndBeyond) {
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"1", "1", "1", "BBB"},       // 1 January of year 1, then back into year 0
        {"12", "31", "9999", "FFF"},  // 31 December 9999, then on into year 10000
        {"10", "15", "1582", "B"},    // the first Gregorian day, then the last Julian one
    };
    for (const auto& [month, day, year, commands] : cases) {
        SCOPED_TRACE(year);
        testing::ProgramRig f;
        testing::CopyDataFiles(f.folder);
        f.program.StartUp();
        ASSERT_TRUE(
            f.program.AcceptNewDate(QLatin1String(month), QLatin1String(day), QLatin1String(year)));
        double want = f.program.NextReportDay() + 1;
        f.program.NewDate();
        ExpectSensiblePage(f.program);
        EXPECT_EQ(f.program.NextReportDay(), want);
        for (const char* command = commands; *command != '\0'; ++command) {
            *command == 'F' ? f.program.Forward() : f.program.Backward();
            want += *command == 'F' ? 1 : -1;
            ExpectSensiblePage(f.program);
            EXPECT_EQ(f.program.NextReportDay(), want);
        }
        // A page the ephemeris could not compute is always explained.
        int explanations = 0;
        for (const testing::ShownMessage& message : f.messages.shown) {
            explanations += message.text.startsWith(
                QStringLiteral("The positions of the planets cannot be computed"));
        }
        EXPECT_EQ(f.program.Buffer().AllLines().count(kNoPositionsLine), explanations);
    }
}

}  // namespace
}  // namespace velmaris::domain
