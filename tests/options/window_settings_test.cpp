#include "options/window_settings.h"

#include "support/fakes.h"
#include "support/table.h"

#include <gtest/gtest.h>

#include <QDir>

namespace velmaris::domain {
namespace {

using testing::DataFolder;

// Each row: the settings file and the settings read from it.
TEST(ReadWindowSettings, AcceptanceRules) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("options/window-settings.tsv"), 10)) {
        DataFolder folder;
        if (row[0] != "(none)") {
            folder.Write(QStringLiteral("VELMARIS.INI"), row[0]);
        }
        const WindowSettings want{row[1].toDouble(), row[2].toDouble(), row[3].toDouble(),
                                  row[4].toFloat(),  row[5].toFloat(),  row[6].toFloat(),
                                  row[7].toFloat(),  row[8] == "1"};
        EXPECT_EQ(ReadWindowSettings(folder.Path()), want) << row[0].toStdString();
    }
    EXPECT_EQ(WindowSettings{}, (WindowSettings{9.25, 0, 0, 0, 0, 6540, 8805}));
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
