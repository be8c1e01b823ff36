// The editor's file rules. Opening, saving, restoring and the messages are checked through the
// options window in the app tests.
#include "options/options_editor.h"

#include "support/fakes.h"
#include "support/table.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

namespace velmaris::domain {
namespace {

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

}  // namespace
}  // namespace velmaris::domain
