#include "platform/regional_settings.h"

#include <gtest/gtest.h>

namespace velmaris::platform {
namespace {

TEST(DateOrderFromFormat, Patterns) {
    struct Case {
        const char* format;
        int order;
    };
    const Case cases[] = {
        {"M/d/yy", 0},       {"MM/dd/yyyy", 0}, {"dd/MM/yyyy", 1}, {"d.M.yy", 1},
        {"yyyy-MM-dd", 2},   {"yyyy/MM/dd", 2}, {"yy/M/d", 2},     {"'day' d/M/yy", 1},
        {"'yes' M/d/yy", 0}, {"d'y'/M/yy", 1},  {"", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(DateOrderFromFormat(QString::fromLatin1(c.format)), c.order);
    }
}

TEST(TimeOrderFromFormat, Patterns) {
    struct Case {
        const char* format;
        int order;
    };
    const Case cases[] = {{"h:mm AP", 0}, {"h:mm ap", 0}, {"HH:mm", 1},     {"H:mm", 1},
                          {"AP h:mm", 0}, {"HH'h'mm", 1}, {"HH:mm 'at'", 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(TimeOrderFromFormat(QString::fromLatin1(c.format)), c.order);
    }
}

// Named locales carry their own formats, independent of the host's settings.
TEST(LocaleRegionalSettings, NamedLocales) {
    struct Case {
        const char* name;
        int dateOrder;
        int timeOrder;
    };
    const Case cases[] = {
        {"en_US", 0, 0}, {"en_GB", 1, 1}, {"ja_JP", 2, 1}, {"sv_SE", 2, 1}, {"de_DE", 1, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const LocaleRegionalSettings settings{QLocale(QString::fromLatin1(c.name))};
        EXPECT_EQ(settings.DateOrder(), c.dateOrder);
        EXPECT_EQ(settings.TimeOrder(), c.timeOrder);
    }
}

}  // namespace
}  // namespace velmaris::platform
