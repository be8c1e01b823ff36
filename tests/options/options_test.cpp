#include "io/text_lines.h"
#include "options/options_editor.h"
#include "options/options_file.h"
#include "options/window_settings.h"
#include "support/bad_bytes.h"
#include "support/fakes.h"
#include "support/table.h"

#include <gtest/gtest.h>

#include <QDir>

#include <limits>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

namespace velmaris::domain {
namespace {

TEST(DecodeLines, LineEndsAndEncodingOfEachLine) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("options/text-lines.tsv"), 2)) {
        QString lines;
        for (const QString& line : io::DecodeLines(row[0])) {
            lines += line + QLatin1Char('|');
        }
        EXPECT_EQ(lines.toStdString(), row[1].toStdString()) << row[0].toPercentEncoding().data();
    }
}

TEST(LeadingNumber, NumberRule) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("options/leading-number.tsv"), 2)) {
        const double want = row[1] == "inf"    ? std::numeric_limits<double>::infinity()
                            : row[1] == "-inf" ? -std::numeric_limits<double>::infinity()
                                               : row[1].toDouble();
        EXPECT_EQ(LeadingNumber(QString::fromLatin1(row[0])), want) << row[0].toStdString();
    }
}

// Each row: the file, the value every entry has before, the entries read and the problems told.
TEST(ReadOptionsFile, EntriesReadKeptAndRefused) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("options/options-read.tsv"), 5)) {
        SCOPED_TRACE(row[4].toStdString());
        testing::DataFolder folder;
        if (row[0] != "(none)") {
            folder.Write(kOptionsFileName, row[0]);
        }
        OptionValues values{};
        values.fill(row[1].toFloat());
        OptionValues want = values;
        const QList<QByteArray> entries = row[2].split(' ');
        for (qsizetype i = 0; i < entries.size() && !row[2].isEmpty(); ++i) {
            want[static_cast<std::size_t>(i + 1)] = entries[i].toFloat();
        }
        const OptionsRead read = ReadOptionsFile(folder.Path(), values);
        EXPECT_EQ(read.opened, row[0] != "(none)");
        EXPECT_EQ(values, want);
        EXPECT_EQ(read.problems.join(QLatin1Char('\n')).toStdString(), row[3].toStdString());
    }
}

// The editor's file rules. Opening, saving, restoring and the messages are checked through the
// options window in the app tests.
using testing::DataFolder;

const QString kOpt = QStringLiteral("OPTIONS.OPT");

TEST(OptionsFileBytes, LineBreakRules) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("options/editor-bytes.tsv"), 4)) {
        EXPECT_EQ(OptionsFileBytes(QString::fromUtf8(row[0]), row[1] == "1"), row[2])
            << row[3].data();
    }
}

TEST(OptionsEditorFile, LoadEndsEveryLineWithOneBreakAndSaveWithoutEditsKeepsTheBytes) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("options/editor-files.tsv"), 5)) {
        SCOPED_TRACE(row[4].toStdString());
        DataFolder folder;
        folder.Write(kOpt, row[0]);
        const std::optional<OptionsText> loaded = LoadOptionsText(folder.Path());
        ASSERT_TRUE(loaded.has_value());
        EXPECT_EQ(loaded->text.toStdString(), row[1].toStdString());
        EXPECT_EQ(loaded->latin1, row[2] == "1");
        ASSERT_TRUE(SaveOptionsText(folder.Path(), loaded->text, loaded->latin1));
        EXPECT_EQ(folder.Read(kOpt), row[3].isEmpty() ? row[0] : row[3]);
    }
}

// Each case: whether OPTIONS.OPT ("2") and its master copy OPTIONS.MAS ("1") are there, the
// state start-up finds, and OPTIONS.OPT afterwards.
TEST(EnsureOptionsFile, StartUpStates) {
    const std::tuple<bool, bool, OptionsFileState, QByteArray> cases[] = {
        {true, false, OptionsFileState::Present, "2\r\n"},
        {false, true, OptionsFileState::Restored, "1\r\n"},
        {false, false, OptionsFileState::Missing, ""},
    };
    for (const auto& [options, master, state, after] : cases) {
        DataFolder folder;
        if (options) {
            folder.Write(kOpt, "2\r\n");
        }
        if (master) {
            folder.Write(kOptionsMasterFileName, "1\r\n");
        }
        EXPECT_EQ(EnsureOptionsFile(folder.Path()), state) << options << master;
        EXPECT_EQ(folder.Read(kOpt), after);
    }
}

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
