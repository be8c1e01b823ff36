#include "options/window_settings.h"

#include "support/bad_bytes.h"
#include "support/table.h"

#include <gtest/gtest.h>

#include <QDir>

#include <utility>
#include <vector>

namespace velmaris::domain {
namespace {

using testing::DataFolder;

const QString kIni = QStringLiteral("VELMARIS.INI");

WindowSettings SettingsOf(const QList<QByteArray>& cells) {
    return {cells[0].toDouble(), cells[1].toDouble(), cells[2].toDouble(), cells[3].toFloat(),
            cells[4].toFloat(),  cells[5].toFloat(),  cells[6].toFloat(),  cells[7] == "1"};
}

// Each row of the table: the settings file and the settings read from it. Then files too large
// for the table: binary data; a number with a long tail (ignored) and a number of half a million
// digits (refused); 100 MB whose first line asks for 20 points, which is not read at all.
TEST(ReadWindowSettings, AcceptanceRules) {
    std::vector<std::pair<QByteArray, WindowSettings>> cases;
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("options/window-settings.tsv"), 10)) {
        cases.emplace_back(row[0], SettingsOf(row.mid(1)));
    }
    cases.emplace_back(testing::BinaryBytes(4096), WindowSettings{});
    cases.emplace_back("FontSize= 11" + QByteArray(500000, 'x') + "\r\nVelmarisWidth= 9" +
                           QByteArray(500000, '0') + "\r\n",
                       WindowSettings{11});
    cases.emplace_back(QByteArray(), WindowSettings{});
    for (const auto& [file, want] : cases) {
        DataFolder folder;
        if (file != "(none)") {
            testing::Put(folder, kIni, file, "FontSize= 20\r\n");
        }
        EXPECT_EQ(ReadWindowSettings(folder.Path()), want)
            << file.left(100).toPercentEncoding().toStdString();
    }
}

// Each row: settings and the file written for them over a longer one; it reads back as written.
TEST(WriteWindowSettings, ExactLayoutAndRoundTrip) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("options/settings-file.tsv"), 9)) {
        const WindowSettings settings = SettingsOf(row);
        DataFolder folder;
        folder.Write(kIni, QByteArray(5000, 'x'));
        ASSERT_TRUE(WriteWindowSettings(folder.Path(), settings));
        EXPECT_EQ(folder.Read(kIni).toStdString(), row[8].toStdString());
        EXPECT_EQ(ReadWindowSettings(folder.Path()), settings);
    }
}

// A target that cannot be replaced (here a folder of that name) makes the write fail; what was
// there stays whole and no temporary file is left behind. A missing folder fails too.
TEST(WriteWindowSettings, FailureLeavesTargetAlone) {
    DataFolder folder;
    ASSERT_TRUE(QDir(folder.Path()).mkdir(kIni));
    folder.Write(kIni + QStringLiteral("/keep.txt"), "kept");
    EXPECT_FALSE(WriteWindowSettings(folder.Path(), WindowSettings{}));
    EXPECT_EQ(folder.Read(kIni + QStringLiteral("/keep.txt")), QByteArray("kept"));
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{kIni});
    EXPECT_FALSE(WriteWindowSettings(folder.FilePath(QStringLiteral("absent")), WindowSettings{}));
}

}  // namespace
}  // namespace velmaris::domain
