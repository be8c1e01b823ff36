#include "options/window_settings.h"

#include "support/fakes.h"

#include <gtest/gtest.h>
#include <QFileInfo>

namespace velmaris::domain {
namespace {

using testing::DataFolder;

TEST(ReadWindowSettings, NoFileGivesDefaults) {
    DataFolder folder;
    const WindowSettings settings = ReadWindowSettings(folder.Path());
    EXPECT_EQ(settings, WindowSettings{});
    EXPECT_EQ(settings.fontSize, 9.25);
    EXPECT_EQ(settings.height, 6540.0F);
    EXPECT_EQ(settings.width, 8805.0F);
}

TEST(ReadWindowSettings, AcceptanceRules) {
    struct Case {
        const char* label;
        QByteArray file;
        WindowSettings want;
    };
    WindowSettings bold;
    bold.fontBold = -1;
    WindowSettings small;
    small.fontSize = 7.75;
    WindowSettings placed;
    placed.top = -120;
    placed.left = 1200;
    placed.height = 5000;
    placed.width = 7000.5F;
    WindowSettings lastWins;
    lastWins.fontItalic = -1;
    const Case cases[] = {
        {"font below 7.75 ignored", "FontSize= 7.5\r\n", WindowSettings{}},
        {"font of 7.75 taken", "FontSize= 7.75\r\n", small},
        {"bold", "FontBold=-1\r\n", bold},
        {"zero or negative height and width ignored", "VelmarisHeight= 0\r\nVelmarisWidth=-5\r\n",
         WindowSettings{}},
        {"other letter case ignored", "fontsize=10\r\nFONTBOLD=-1\r\n", WindowSettings{}},
        {"rectangle in any line order, LF line ends",
         "VelmarisWidth= 7000.5\nVelmarisLeft= 1200\nVelmarisTop=-120\nVelmarisHeight= 5000\n",
         placed},
        {"later line wins", "FontItalic= 0\r\nFontItalic=-1\r\n", lastWins},
        {"not finite refused", "FontSize= 1E999\r\nVelmarisWidth= 1E300\r\n", WindowSettings{}},
        {"no equals sign reads from the key", "FontBold\r\n", WindowSettings{}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        DataFolder folder;
        folder.Write(QStringLiteral("VELMARIS.INI"), c.file);
        const WindowSettings got = ReadWindowSettings(folder.Path());
        EXPECT_EQ(got.fontSize, c.want.fontSize);
        EXPECT_EQ(got.fontBold, c.want.fontBold);
        EXPECT_EQ(got.fontItalic, c.want.fontItalic);
        EXPECT_EQ(got.top, c.want.top);
        EXPECT_EQ(got.left, c.want.left);
        EXPECT_EQ(got.height, c.want.height);
        EXPECT_EQ(got.width, c.want.width);
    }
}

TEST(WindowSettingsText, ExactLayout) {
    WindowSettings settings;
    settings.fontBold = -1;
    settings.left = 1200;
    settings.top = -15;
    const QByteArray want =
        "[Velmaris] - Do NOT change the order of these variables.\r\n"
        "FontSize= 9.25\r\n"
        "FontBold=-1\r\n"
        "FontItalic= 0\r\n"
        "VelmarisTop=-15\r\n"
        "VelmarisLeft= 1200\r\n"
        "VelmarisHeight= 6540\r\n"
        "VelmarisWidth= 8805\r\n";
    EXPECT_EQ(WindowSettingsText(settings).toStdString(), want.toStdString());
}

TEST(SettingsNumberText, BlankBeforeNonNegative) {
    struct Case {
        double value;
        const char* want;
    };
    const Case cases[] = {{9.25, " 9.25"}, {0, " 0"},        {-0.0, " 0"},     {-1, "-1"},
                          {0.1, " 0.1"},   {1e20, " 1e+20"}, {12.25, " 12.25"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.want);
        EXPECT_EQ(SettingsNumberText(c.value).toStdString(), c.want);
    }
    EXPECT_EQ(SettingsNumberText(6540.5F).toStdString(), " 6540.5");
    EXPECT_EQ(SettingsNumberText(0.1F).toStdString(), " 0.1");
}

TEST(WriteWindowSettings, RoundTrip) {
    DataFolder folder;
    WindowSettings settings;
    settings.fontSize = 11.5;
    settings.fontBold = -1;
    settings.fontItalic = -1;
    settings.top = 345.5F;
    settings.left = -60;
    settings.height = 7000.25F;
    settings.width = 9999.1F;
    ASSERT_TRUE(WriteWindowSettings(folder.Path(), settings));
    EXPECT_EQ(ReadWindowSettings(folder.Path()), settings);
}

TEST(WriteWindowSettings, ReplacesWholeFile) {
    DataFolder folder;
    folder.Write(QStringLiteral("VELMARIS.INI"), QByteArray(5000, 'x'));
    ASSERT_TRUE(WriteWindowSettings(folder.Path(), WindowSettings{}));
    EXPECT_EQ(folder.Read(QStringLiteral("VELMARIS.INI")), WindowSettingsText(WindowSettings{}));
}

// A target that cannot be replaced (here a folder of that name) makes the write fail; what was
// there stays whole and no temporary file is left behind.
TEST(WriteWindowSettings, FailureLeavesTargetAlone) {
    DataFolder folder;
    ASSERT_TRUE(QDir(folder.Path()).mkdir(QStringLiteral("VELMARIS.INI")));
    const QString inside = QStringLiteral("VELMARIS.INI/keep.txt");
    folder.Write(inside, "kept");
    EXPECT_FALSE(WriteWindowSettings(folder.Path(), WindowSettings{}));
    EXPECT_EQ(folder.Read(inside), QByteArray("kept"));
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("VELMARIS.INI")});
}

TEST(WriteWindowSettings, MissingFolderFails) {
    DataFolder folder;
    EXPECT_FALSE(WriteWindowSettings(folder.FilePath(QStringLiteral("absent")), WindowSettings{}));
}

}  // namespace
}  // namespace velmaris::domain
