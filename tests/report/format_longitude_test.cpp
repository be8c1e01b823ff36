#include "report/report_writer.h"

#include <gtest/gtest.h>

namespace velmaris::domain {
namespace {

TEST(FormatLongitude, DegreeSignMinutes) {
    struct Case {
        double longitude;
        const char* want;
    };
    const Case cases[] = {
        {65.7, "05 GEM 42"},       {29.995, "29 ARI 59"}, {0, "00 ARI 00"},
        {42.0833333, "12 TAU 05"}, {30, "00 TAU 00"},     {89.999, "29 GEM 59"},
        {270.5, "00 CPR 30"},      {300, "00 AQU 00"},    {359.99999, "29 PIS 59"},
        {359.5, "29 PIS 30"},      {360.0, "00 ARI 00"},  {-0.5, "29 PIS 30"},
        {725.25, "05 ARI 15"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.longitude);
        EXPECT_EQ(FormatLongitude(c.longitude).toStdString(), c.want);
    }
}

// Every sign boundary and every whole degree within a sign gives its own degree, never 30.
TEST(FormatLongitude, EveryWholeDegree) {
    const char* codes[] = {"ARI", "TAU", "GEM", "CAN", "LEO", "VIR",
                           "LIB", "SCO", "SAG", "CPR", "AQU", "PIS"};
    for (int d = 0; d < 360; ++d) {
        const QString want = QStringLiteral("%1 %2 00")
                                 .arg(d % 30, 2, 10, QLatin1Char('0'))
                                 .arg(QLatin1String(codes[d / 30]));
        ASSERT_EQ(FormatLongitude(d), want) << d;
    }
}

}  // namespace
}  // namespace velmaris::domain
