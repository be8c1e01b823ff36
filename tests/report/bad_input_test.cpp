// Bad input to the domain: option values out of range or not numbers, binary data, NUL bytes,
// very long lines and very large files in the files the program reads, a full buffer while a
// page is written, and the furthest dates the New Date fields accept. Each case ends in a
// clear message or a quiet outcome that docs/bad-input.md describes; none may crash or hang.
#include "help/help_topic.h"
#include "options/options_file.h"
#include "options/text_lines.h"
#include "options/window_settings.h"
#include "report/program.h"
#include "report/report_writer.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QFile>

#include <cmath>
#include <optional>

namespace velmaris::domain {
namespace {

using testing::DataFolder;
using testing::FixedClock;
using testing::FixedRegional;
using testing::RecordingMessages;
using testing::RecordingTextArea;

constexpr qint64 kHugeFileBytes = qint64{100} * 1024 * 1024;

// The bytes of a literal, NULs included.
template <std::size_t N>
QByteArray Bytes(const char (&text)[N]) {
    return QByteArray(text, N - 1);
}

// The options of the supplied file, one value per line, then a description after an empty line.
QList<QByteArray> OptionLines() {
    return {"5      orb",        "7      birth month", "4      birth day",   "1950   birth year",
            "9      hour",       "45     minute",      "0      A.M.",        "5      birth zone",
            "-1     clock zone", "60     print lines", "61     saved lines", "80     line width"};
}

QByteArray OptionsWith(int line, const QByteArray& text) {
    QList<QByteArray> lines = OptionLines();
    lines[line - 1] = text;
    return lines.join("\r\n") + "\r\n\r\nDescription.\r\n";
}

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

// A file of 100 MB that starts with `head`; the rest is a hole, so it costs no disk.
void WriteHugeFile(const DataFolder& folder, const QString& name, const QByteArray& head) {
    QFile file(folder.FilePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(head), head.size());
    ASSERT_TRUE(file.resize(kHugeFileBytes));
}

void CopyDataFiles(const DataFolder& folder) {
    const QDir data(QStringLiteral(VELMARIS_DATA_DIR));
    for (const QString& name : data.entryList(QDir::Files)) {
        QFile::copy(data.filePath(name), folder.FilePath(name));
    }
}

// The program with the supplied data files and the real ephemeris, on 4 December 2026.
struct RealProgram {
    DataFolder folder;
    FixedClock clock{QDateTime(QDate(2026, 12, 4), QTime(22, 15, 40))};
    FixedRegional regional{0, 0};
    RecordingMessages messages;
    RecordingTextArea textArea;
    Program program{ProgramServices{clock, regional, messages, textArea, folder.Path()}};

    RealProgram() { CopyDataFiles(folder); }

    void ExpectSensiblePage() const {
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
};

TEST(BadOptionValues, StartUpSaysWhatItRefusedOrGoesOnQuietly) {
    struct Case {
        const char* label;
        int line;
        QByteArray text;
        float value;                      // the entry as read
        const char* message;              // the one message at start-up; empty for none
        bool (*outcome)(const Program&);  // what else shows of it
    };
    const auto any = [](const Program&) { return true; };
    const Case cases[] = {
        {"birth month 0 is December of the year before", 2, "0", 0, "",
         [](const Program& p) { return p.Natal().month == 0; }},
        {"orb -5 finds no aspect", 1, "-5", -5, "",
         [](const Program& p) { return p.Buffer().PageLines().contains(kNoAspectsLine); }},
        {"orb that is not a number is 0", 1, "five", 0, "", any},
        {"a line of 1 MB keeps its first seven columns", 1, "5" + QByteArray(1000000, 'x'), 5, "",
         any},
        {"binary bytes give 0", 3, Bytes("\x01\x00\xff\x80"), 0, "",
         [](const Program& p) { return p.Natal().day == 0; }},
        {"birth zone 1e30", 8, "1e30", 1e30F,
         "Line 8 of OPTIONS.OPT holds 1e+30 as the time zone of birth, which is out of range "
         "(-24 to 24 hours); 0 is used instead.",
         [](const Program& p) { return p.Natal().zone == 0.0F; }},
        {"clock zone 1e30", 9, "1e30", 1e30F,
         "Line 9 of OPTIONS.OPT holds 1e+30 as the time zone of the clock, which is out of "
         "range (-24 to 24 hours); 0 is used instead.",
         [](const Program& p) { return p.Chosen().zone == 0.0F; }},
        {"clock zone -25", 9, "-25", -25,
         "Line 9 of OPTIONS.OPT holds -25 as the time zone of the clock, which is out of range "
         "(-24 to 24 hours); 0 is used instead.",
         [](const Program& p) { return p.Chosen().zone == 0.0F; }},
    };
    const double today = static_cast<double>(QDate(2026, 12, 4).toJulianDay());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        RealProgram f;
        f.folder.Write(QStringLiteral("OPTIONS.OPT"), OptionsWith(c.line, c.text));
        f.program.StartUp();
        EXPECT_EQ(f.program.Options()[static_cast<std::size_t>(c.line)], c.value);
        if (*c.message == '\0') {
            EXPECT_TRUE(f.messages.shown.empty());
        } else {
            ASSERT_EQ(f.messages.shown.size(), 1U);
            EXPECT_EQ(f.messages.shown[0].text.toStdString(), c.message);
        }
        f.ExpectSensiblePage();
        EXPECT_EQ(f.program.NextReportDay(), today + 1);
        for (std::size_t body = 1; body <= 10; ++body) {
            EXPECT_TRUE(std::isfinite(f.program.NatalPositions()[body])) << body;
        }
        EXPECT_TRUE(c.outcome(f.program));
    }
}

TEST(BadDataFiles, OptionsFile) {
    struct Case {
        const char* label;
        QByteArray bytes;  // empty: a file of 100 MB
        bool read;
        std::optional<float> first, second;  // entries 1 and 2 when known
    };
    const Case cases[] = {
        {"binary data", BinaryBytes(4096), true, std::nullopt, std::nullopt},
        {"NUL bytes end a number",
         Bytes("5\x00"
               "9\r\n\x00 7\r\n"),
         true, 5.0F, 0.0F},
        {"a file of 100 MB is not read", {}, false, 0.0F, 0.0F},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        DataFolder folder;
        if (c.bytes.isEmpty()) {
            WriteHugeFile(folder, QStringLiteral("OPTIONS.OPT"), "5\r\n7\r\n");
        } else {
            folder.Write(QStringLiteral("OPTIONS.OPT"), c.bytes);
        }
        OptionValues values{};
        const OptionsRead read = ReadOptionsFile(folder.Path(), values);
        EXPECT_EQ(read.opened, c.read);
        EXPECT_EQ(read.tooLarge, !c.read);
        for (std::size_t i = 1; i <= 12; ++i) {
            EXPECT_TRUE(std::isfinite(values[i])) << i;
        }
        if (c.first) {
            EXPECT_EQ(values[1], *c.first);
            EXPECT_EQ(values[2], *c.second);
        }
    }
    // At start-up the file of 100 MB is named in a message and every option stays 0.
    RealProgram f;
    WriteHugeFile(f.folder, QStringLiteral("OPTIONS.OPT"), "5\r\n7\r\n");
    f.program.StartUp();
    ASSERT_FALSE(f.messages.shown.empty());
    EXPECT_EQ(f.messages.shown[0].text.toStdString(),
              "OPTIONS.OPT is larger than 1048576 bytes, so it was not read. Every option stays "
              "at its present value (0 at start-up).");
    EXPECT_EQ(f.program.Options(), OptionValues{});
    f.ExpectSensiblePage();
}

TEST(BadDataFiles, WindowSettingsFile) {
    struct Case {
        const char* label;
        QByteArray bytes;  // empty: a file of 100 MB whose first line asks for 20 points
        double fontSize;
        float width;
    };
    const Case cases[] = {
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
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        DataFolder folder;
        if (c.bytes.isEmpty()) {
            WriteHugeFile(folder, QStringLiteral("VELMARIS.INI"), "FontSize= 20\r\n");
        } else {
            folder.Write(QStringLiteral("VELMARIS.INI"), c.bytes);
        }
        const WindowSettings settings = ReadWindowSettings(folder.Path());
        EXPECT_EQ(settings.fontSize, c.fontSize);
        EXPECT_EQ(settings.width, c.width);
        EXPECT_EQ(settings.height, WindowSettings{}.height);
    }
}

TEST(BadDataFiles, HelpTopicFile) {
    struct Case {
        const char* label;
        QByteArray bytes;                  // empty: a file of 100 MB
        std::optional<QStringList> lines;  // the topic's lines; nothing when not shown
    };
    const QString nul(1, QChar(0));
    const Case cases[] = {
        {"NUL bytes are kept",
         Bytes("a\x00"
               "b\r\n\x00\r\n"),
         QStringList{QStringLiteral("a") + nul + QStringLiteral("b"), nul}},
        {"a line of 1 MB", QByteArray(1000000, 'h') + "\r\nend",
         QStringList{QString(1000000, QLatin1Char('h')), QStringLiteral("end")}},
        {"a file of 100 MB is not shown", {}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        DataFolder folder;
        if (c.bytes.isEmpty()) {
            WriteHugeFile(folder, QStringLiteral("HINTS.HLP"), "Hints\r\n");
        } else {
            folder.Write(QStringLiteral("HINTS.HLP"), c.bytes);
        }
        RecordingMessages messages;
        RecordingTextArea area;
        DataBuffer buffer(messages);
        buffer.AppendBufferLine(QStringLiteral("the page before"));
        buffer.ShowDataBuffer(area);
        const QString before = area.text;

        const bool shown =
            ShowHelpTopic(folder.Path(), QStringLiteral("HINTS.HLP"), buffer, area, messages);
        EXPECT_EQ(shown, c.lines.has_value());
        if (c.lines) {
            EXPECT_EQ(buffer.PageLines(), *c.lines + QStringList(2, QString()));
            EXPECT_TRUE(messages.shown.empty());
        } else {
            EXPECT_EQ(area.text, before);
            EXPECT_EQ(buffer.AllLineCount(), 2);
            ASSERT_EQ(messages.shown.size(), 1U);
            EXPECT_EQ(messages.shown[0].text.toStdString(),
                      "HINTS.HLP is larger than 1048576 bytes, so it was not read.");
        }
    }

    // Binary data is shown as lines: one per line end (CR LF, CR or LF), one more for bytes
    // after the last end, none holding a line end.
    const QByteArray binary = BinaryBytes(65536);
    DataFolder folder;
    folder.Write(QStringLiteral("HINTS.HLP"), binary);
    RecordingMessages messages;
    RecordingTextArea area;
    DataBuffer buffer(messages);
    ASSERT_TRUE(ShowHelpTopic(folder.Path(), QStringLiteral("HINTS.HLP"), buffer, area, messages));
    int lineEnds = 0;
    for (qsizetype i = 0; i < binary.size(); ++i) {
        if (binary[i] == '\r' || binary[i] == '\n') {
            ++lineEnds;
            if (binary[i] == '\r' && i + 1 < binary.size() && binary[i + 1] == '\n') {
                ++i;
            }
        }
    }
    const bool endsWithLineEnd = binary.endsWith('\r') || binary.endsWith('\n');
    // The topic's lines, then its closing blank line and the one the show adds.
    EXPECT_EQ(buffer.PageLineCount(), lineEnds + (endsWithLineEnd ? 0 : 1) + 2);
    for (const QString& line : buffer.PageLines()) {
        EXPECT_FALSE(line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')));
    }
    EXPECT_TRUE(messages.shown.empty());
}

// The transiting Sun squares the natal Moon and the natal Sun: two lookups in SUN.TXT, of
// which only SUN Square MOON is in the files these tests write.
struct SquareReport {
    DataFolder folder;
    RecordingMessages messages;
    DataBuffer buffer{messages};
    ReportState state;
    ReportSettings settings;

    SquareReport() {
        state.nextReportDay = 2461379;
        state.natalPositions[1] = 190;
        state.natalPositions[10] = 10;
        settings.appFolder = folder.Path();
        settings.orbDeg = 1;
        settings.locale = QLocale(QLocale::English);
    }
    void Write() {
        WriteReport(state, settings, buffer, messages, [](const ephem::ChartMoment&) {
            ephem::SkyPositions sky{};
            sky[1] = 100;
            return sky;
        });
    }
    // The lines after the aspect line of SUN Square MOON, up to the blank line after them.
    [[nodiscard]] std::optional<QStringList> Paragraph() const {
        const QStringList& page = buffer.PageLines();
        for (qsizetype i = 0; i < page.size(); ++i) {
            if (page[i].startsWith(QStringLiteral("     SUN Square MOON "))) {
                const qsizetype end = page.indexOf(QString(), i + 1);
                return page.mid(i + 1, end - i - 1);
            }
        }
        return std::nullopt;
    }
};

TEST(BadDataFiles, InterpretationFile) {
    struct Case {
        const char* label;
        QByteArray bytes;  // empty: a file of 100 MB that starts with the entry
        std::optional<QStringList> paragraph;
        int messages;
    };
    const QString nul(1, QChar(0));
    const Case cases[] = {
        {"binary data holds no key", BinaryBytes(65536), std::nullopt, 0},
        {"a NUL inside a key line spoils it; NULs in a paragraph are copied",
         Bytes("SUN\x00Square MOON\r\nWrong.\r\n\r\nSUN Square MOON\r\nA\x00"
               "B\r\n\x00\r\n"),
         QStringList{QStringLiteral("A") + nul + QStringLiteral("B"), nul}, 0},
        {"a paragraph line of 1 MB", "SUN Square MOON\r\n" + QByteArray(1000000, 'p') + "\r\n",
         QStringList{QString(1000000, QLatin1Char('p'))}, 0},
        {"a file of 100 MB is not read, and said once a page", {}, std::nullopt, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SquareReport f;
        if (c.bytes.isEmpty()) {
            WriteHugeFile(f.folder, QStringLiteral("SUN.TXT"), "SUN Square MOON\r\nText.\r\n");
        } else {
            f.folder.Write(QStringLiteral("SUN.TXT"), c.bytes);
        }
        f.Write();
        EXPECT_EQ(f.Paragraph(), c.paragraph);
        EXPECT_EQ(f.buffer.PageLines().contains(kNoAspectsLine), !c.paragraph.has_value());
        ASSERT_EQ(f.messages.shown.size(), static_cast<std::size_t>(c.messages));
        if (c.messages > 0) {
            EXPECT_EQ(f.messages.shown[0].text.toStdString(),
                      "SUN.TXT is larger than 1048576 bytes, so it was not read. The aspects it "
                      "explains are left out of the report.");
        }
        EXPECT_EQ(f.state.nextReportDay, 2461380);
    }
}

TEST(FullBuffer, PagesWrittenAtTheLimitLoseNothingAndDoNotFloodMessages) {
    // SUN.TXT explains the square with a paragraph of 50 lines.
    QByteArray sunText = "SUN Square MOON\r\n";
    for (int i = 1; i <= 50; ++i) {
        sunText += "Paragraph line " + QByteArray::number(i) + "\r\n";
    }
    // The page on an empty buffer: every line the report offers, and the paragraph lines.
    SquareReport free;
    free.folder.Write(QStringLiteral("SUN.TXT"), sunText);
    free.Write();
    const int reportLines = free.buffer.PageLineCount();
    ASSERT_EQ(free.Paragraph().value_or(QStringList()).size(), 50);

    QByteArray longTopic;
    for (int i = 0; i < 100000; ++i) {
        longTopic += "t\r\n";
    }

    struct Case {
        const char* label;
        bool report;       // a report page, else the help topic of 100000 lines
        int linesBefore;   // lines in the buffer before the page
        int storedLines;   // lines the page gets into the buffer
        int fullMessages;  // full-buffer messages shown
    };
    const Case cases[] = {
        // The paragraph stops at its first refused line, so its 50 lines give one message;
        // every other line of the page gives its own.
        {"report on a full buffer", true, kBufferLineLimit, 0, reportLines - (50 - 1)},
        // One message for the first refused topic line, one for the closing blank line of the
        // topic and one for the blank line the show adds.
        {"long topic on a full buffer", false, kBufferLineLimit, 0, 3},
        {"long topic fills the buffer, then stops", false, 32000, kBufferLineLimit - 32000, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SquareReport f;
        f.folder.Write(QStringLiteral("SUN.TXT"), sunText);
        f.folder.Write(QStringLiteral("HINTS.HLP"), longTopic);
        for (int i = 0; i < c.linesBefore; ++i) {
            f.buffer.AppendBufferLine(QStringLiteral("old %1").arg(i));
        }
        const QStringList before = f.buffer.AllLines();
        if (c.report) {
            f.buffer.ClearDataBuffer();
            f.Write();
            EXPECT_EQ(f.state.nextReportDay, 2461380);
        } else {
            RecordingTextArea area;
            EXPECT_TRUE(ShowHelpTopic(f.folder.Path(), QStringLiteral("HINTS.HLP"), f.buffer, area,
                                      f.messages));
            EXPECT_EQ(area.text.count(QStringLiteral("\r\n")), c.storedLines + 1);
        }
        EXPECT_EQ(f.buffer.AllLineCount(), c.linesBefore + c.storedLines);
        EXPECT_EQ(f.buffer.AllLines().mid(0, c.linesBefore), before);
        EXPECT_EQ(f.buffer.PageLineCount(), c.storedLines);
        EXPECT_EQ(f.messages.CountOf(kBufferFullText), c.fullMessages);
    }
}

TEST(FarDates, TheEndsOfTheNewDateRangeAndBeyond) {
    struct Case {
        const char* label;
        const char* month;
        const char* day;
        const char* year;
        const char* commands;  // F forward, B backward, after the New Date page
    };
    const Case cases[] = {
        {"1 January of year 1, then back into year 0", "1", "1", "1", "BBB"},
        {"31 December 9999, then on into year 10000", "12", "31", "9999", "FFF"},
        {"the first Gregorian day, then the last Julian one", "10", "15", "1582", "B"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        RealProgram f;
        f.program.StartUp();
        ASSERT_TRUE(f.program.AcceptNewDate(QLatin1String(c.month), QLatin1String(c.day),
                                            QLatin1String(c.year)));
        const double chosen = f.program.NextReportDay();
        f.program.NewDate();
        f.ExpectSensiblePage();
        double want = chosen + 1;
        EXPECT_EQ(f.program.NextReportDay(), want);
        for (const char* command = c.commands; *command != '\0'; ++command) {
            if (*command == 'F') {
                f.program.Forward();
                want += 1;
            } else {
                f.program.Backward();
                want -= 1;
            }
            f.ExpectSensiblePage();
            EXPECT_EQ(f.program.NextReportDay(), want);
        }
        // A page the ephemeris could not compute is always explained.
        int explanations = 0;
        for (const testing::ShownMessage& message : f.messages.shown) {
            explanations += message.text.startsWith(
                                QStringLiteral("The positions of the planets cannot be computed"))
                                ? 1
                                : 0;
        }
        EXPECT_EQ(f.program.Buffer().AllLines().count(kNoPositionsLine), explanations);
    }
}

}  // namespace
}  // namespace velmaris::domain
