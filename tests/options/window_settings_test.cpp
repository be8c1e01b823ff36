#include "options/window_settings.h"

#include "support/fakes.h"

#include <gtest/gtest.h>

#include <QDir>

namespace velmaris::domain {
namespace {

using testing::DataFolder;

TEST(ReadWindowSettings, AcceptanceRules) {
    const WindowSettings defaults;
    EXPECT_EQ(defaults, (WindowSettings{9.25, 0, 0, 0, 0, 6540, 8805}));
    // The file (none when null) and the settings read: fontSize, fontBold, fontItalic, top,
    // left, height, width.
    const std::pair<QByteArray, WindowSettings> cases[] = {
        {{}, defaults},
        {"FontSize= 7.5\r\n", defaults},  // font below 7.75 ignored
        {"FontSize= 7.75\r\n", {7.75, 0, 0, 0, 0, 6540, 8805}},
        {"FontSize= 12.75\r\n", {12.75, 0, 0, 0, 0, 6540, 8805}},
        {"FontSize= 1000000\r\n", {12.75, 0, 0, 0, 0, 6540, 8805}},  // more than the menu shows
        {"FontBold=-1\r\n", {9.25, -1, 0, 0, 0, 6540, 8805}},
        {"FontItalic= 0\r\nFontItalic=-1\r\n", {9.25, 0, -1, 0, 0, 6540, 8805}},  // later wins
        {"VelmarisHeight= 0\r\nVelmarisWidth=-5\r\n", defaults},                  // only above 0
        {"fontsize=10\r\nFONTBOLD=-1\r\n", defaults},               // other letter case ignored
        {"FontSize= 1E999\r\nVelmarisWidth= 1E300\r\n", defaults},  // not finite, not a float
        {"FontBold\r\n", defaults},                                 // no equals sign
        {"ShowTiming=-1\r\n", {9.25, 0, 0, 0, 0, 6540, 8805, true}},
        // the rectangle in any line order, LF line ends
        {"VelmarisWidth= 7000.5\nVelmarisLeft= 1200\nVelmarisTop=-120\nVelmarisHeight= 5000\n",
         {9.25, 0, 0, -120, 1200, 5000, 7000.5F}},
    };
    for (const auto& [file, want] : cases) {
        DataFolder folder;
        if (!file.isNull()) {
            folder.Write(QStringLiteral("VELMARIS.INI"), file);
        }
        EXPECT_EQ(ReadWindowSettings(folder.Path()), want) << file.toStdString();
    }
}

TEST(WindowSettingsText, ExactLayoutAndNumbers) {
    EXPECT_EQ(WindowSettingsText({9.25, -1, 0, -15, 1200, 6540, 8805}).toStdString(),
              "[Velmaris] - Do NOT change the order of these variables.\r\n"
              "FontSize= 9.25\r\n"
              "FontBold=-1\r\n"
              "FontItalic= 0\r\n"
              "VelmarisTop=-15\r\n"
              "VelmarisLeft= 1200\r\n"
              "VelmarisHeight= 6540\r\n"
              "VelmarisWidth= 8805\r\n");
    // Timing, when on, is one more line after the eight.
    EXPECT_TRUE(WindowSettingsText({9.25, 0, 0, 0, 0, 6540, 8805, true})
                    .endsWith("VelmarisWidth= 8805\r\nShowTiming=-1\r\n"));
    // A blank before a number that is not negative; the shortest digits that read back.
    const std::pair<double, const char*> numbers[] = {
        {9.25, " 9.25"}, {0, " 0"}, {-0.0, " 0"}, {-1, "-1"}, {0.1, " 0.1"}, {1e20, " 1e+20"}};
    for (const auto& [value, want] : numbers) {
        EXPECT_EQ(SettingsNumberText(value).toStdString(), want);
    }
    EXPECT_EQ(SettingsNumberText(6540.5F).toStdString(), " 6540.5");
    EXPECT_EQ(SettingsNumberText(0.1F).toStdString(), " 0.1");
}

// The file is replaced as a whole, and reads back as written.
TEST(WriteWindowSettings, RoundTrip) {
    DataFolder folder;
    folder.Write(QStringLiteral("VELMARIS.INI"), QByteArray(5000, 'x'));
    const WindowSettings settings{11.5, -1, -1, 345.5F, -60, 7000.25F, 9999.1F};
    ASSERT_TRUE(WriteWindowSettings(folder.Path(), settings));
    EXPECT_EQ(folder.Read(QStringLiteral("VELMARIS.INI")), WindowSettingsText(settings));
    EXPECT_EQ(ReadWindowSettings(folder.Path()), settings);
}

// A target that cannot be replaced (here a folder of that name) makes the write fail; what was
// there stays whole and no temporary file is left behind.
TEST(WriteWindowSettings, FailureLeavesTargetAlone) {
    DataFolder folder;
    ASSERT_TRUE(QDir(folder.Path()).mkdir(QStringLiteral("VELMARIS.INI")));
    folder.Write(QStringLiteral("VELMARIS.INI/keep.txt"), "kept");
    EXPECT_FALSE(WriteWindowSettings(folder.Path(), WindowSettings{}));
    EXPECT_EQ(folder.Read(QStringLiteral("VELMARIS.INI/keep.txt")), QByteArray("kept"));
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("VELMARIS.INI")});
}

TEST(WriteWindowSettings, MissingFolderFails) {
    DataFolder folder;
    EXPECT_FALSE(WriteWindowSettings(folder.FilePath(QStringLiteral("absent")), WindowSettings{}));
}

}  // namespace
}  // namespace velmaris::domain
