#include "platform/regional_settings.h"

#include <gtest/gtest.h>

namespace velmaris::platform {
namespace {

TEST(OrderFromFormat, DateAndTimePatterns) {
    const std::pair<const char*, int> dates[] = {
        {"M/d/yy", 0},       {"MM/dd/yyyy", 0}, {"dd/MM/yyyy", 1}, {"d.M.yy", 1},
        {"yyyy-MM-dd", 2},   {"yyyy/MM/dd", 2}, {"yy/M/d", 2},     {"'day' d/M/yy", 1},
        {"'yes' M/d/yy", 0}, {"d'y'/M/yy", 1},  {"", 0},
    };
    for (const auto& [format, order] : dates) {
        EXPECT_EQ(static_cast<int>(DateOrderFromFormat(QString::fromLatin1(format))), order)
            << format;
    }
    const std::pair<const char*, int> times[] = {{"h:mm AP", 0},   {"h:mm ap", 0}, {"HH:mm", 1},
                                                 {"H:mm", 1},      {"AP h:mm", 0}, {"HH'h'mm", 1},
                                                 {"HH:mm 'at'", 1}};
    for (const auto& [format, order] : times) {
        EXPECT_EQ(TimeOrderFromFormat(QString::fromLatin1(format)), order) << format;
    }
}

// Named locales carry their own formats, independent of the host's settings.
TEST(LocaleRegionalSettings, NamedLocales) {
    const std::tuple<const char*, int, int> cases[] = {
        {"en_US", 0, 0}, {"en_GB", 1, 1}, {"ja_JP", 2, 1}, {"sv_SE", 2, 1}, {"de_DE", 1, 1}};
    for (const auto& [name, dateOrder, timeOrder] : cases) {
        const LocaleRegionalSettings settings{QLocale(QString::fromLatin1(name))};
        EXPECT_EQ(static_cast<int>(settings.DateOrder()), dateOrder) << name;
        EXPECT_EQ(settings.TimeOrder(), timeOrder) << name;
    }
}

}  // namespace
}  // namespace velmaris::platform
