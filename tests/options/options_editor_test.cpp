// The editor's file rules. Opening, saving, restoring and the messages are checked through the
// options window in the app tests.
#include "options/options_editor.h"

#include "support/fakes.h"

#include <gtest/gtest.h>

namespace velmaris::domain {
namespace {

using testing::DataFolder;

const QString kOpt = QStringLiteral("OPTIONS.OPT");
const QString kMas = QStringLiteral("OPTIONS.MAS");

TEST(OptionsFileBytes, LineBreakRules) {
    struct Case {
        const char* label;
        QString editorText;
        bool latin1;
        QByteArray want;
    };
    const Case cases[] = {
        {"loaded text: the added break becomes the last CR LF", "1.5 orb\n6\n", false,
         "1.5 orb\r\n6\r\n"},
        {"typed after the last break: nothing is cut", "1.5 orb\n6", false, "1.5 orb\r\n6\r\n"},
        {"one character is written unchanged", "5", false, "5"},
        {"empty text is written unchanged", "", false, ""},
        {"a lone break", "\n", false, "\r\n"},
        {"Latin-1 asked but a character does not fit", QStringLiteral("\u20ac\n"), true,
         "\xe2\x82\xac\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(OptionsFileBytes(c.editorText, c.latin1), c.want);
    }
}

TEST(OptionsEditorFile, LoadEndsEveryLineWithOneBreakAndSaveWithoutEditsKeepsTheBytes) {
    struct Case {
        const char* label;
        QByteArray file;
        QString text;
        bool latin1;
        QByteArray saved;  // empty: the file's own bytes
    };
    const Case cases[] = {
        {"CR LF file",
         "1.5    Orb\r\n6      Month\r\n\r\nHOW TO EDIT\r\n",
         "1.5    Orb\n6      Month\n\nHOW TO EDIT\n",
         false,
         {}},
        {"Latin-1 file", "1.5    Orb \xb0\r\n", QStringLiteral("1.5    Orb \u00b0\n"), true, {}},
        {"UTF-8 file", "1.5    Orb \xc2\xb0\r\n", QStringLiteral("1.5    Orb \u00b0\n"), false, {}},
        {"trailing blank lines", "1\r\n\r\n\r\n", "1\n\n\n", false, {}},
        {"no break at the end", "a\r\nb", "a\nb\n", false, "a\r\nb\r\n"},
        {"empty file", "", "", false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        DataFolder folder;
        folder.Write(kOpt, c.file);
        const std::optional<OptionsText> loaded = LoadOptionsText(folder.Path());
        ASSERT_TRUE(loaded.has_value());
        EXPECT_EQ(loaded->text, c.text);
        EXPECT_EQ(loaded->latin1, c.latin1);
        ASSERT_TRUE(SaveOptionsText(folder.Path(), loaded->text, loaded->latin1));
        EXPECT_EQ(folder.Read(kOpt), c.saved.isEmpty() ? c.file : c.saved);
    }
}

TEST(EnsureOptionsFile, StartUpStates) {
    struct Case {
        const char* label;
        bool options;
        bool master;
        OptionsFileState want;
        QByteArray optionsAfter;
    };
    const Case cases[] = {
        {"only the options file", true, false, OptionsFileState::Present, "2\r\n"},
        {"only the master copy: restored", false, true, OptionsFileState::Restored, "1\r\n"},
        {"neither", false, false, OptionsFileState::Missing, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        DataFolder folder;
        if (c.options) {
            folder.Write(kOpt, "2\r\n");
        }
        if (c.master) {
            folder.Write(kMas, "1\r\n");
        }
        EXPECT_EQ(EnsureOptionsFile(folder.Path()), c.want);
        EXPECT_EQ(folder.Read(kOpt), c.optionsAfter);
    }
}

}  // namespace
}  // namespace velmaris::domain
