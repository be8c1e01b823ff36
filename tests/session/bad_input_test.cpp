// Bad option values and options files at start-up, and the furthest dates the New Date fields
// accept: each ends in a clear message or a quiet outcome that docs/bad-input.md describes.
#include "options/options_file.h"
#include "report/report_rig.h"
#include "support/bad_bytes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <tuple>

namespace velmaris::session {
namespace {

using namespace domain;
using testing::BinaryBytes;
using testing::Bytes;
using testing::DataFolder;
using testing::kToday;
using testing::Put;

void ExpectSensiblePage(const Program& program) {
    const QStringList& page = program.Buffer().PageLines();
    ASSERT_GE(page.size(), 8);
    EXPECT_EQ(page[1], domain::kReportHeading);
    EXPECT_TRUE(page[3].startsWith(QStringLiteral("     "))) << page[3].toStdString();
    if (!page.contains(domain::kNoPositionsLine)) {
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
}  // namespace velmaris::session
