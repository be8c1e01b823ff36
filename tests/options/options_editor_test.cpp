#include "options/options_editor.h"

#include "options/options_file.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <QDir>

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
        {"loaded text: the added break becomes the one last CR LF", "1.5 orb\n6\n", false,
         "1.5 orb\r\n6\r\n"},
        {"typed after the last break: nothing is cut", "1.5 orb\n6", false, "1.5 orb\r\n6\r\n"},
        {"two characters without a break", "12", false, "12\r\n"},
        {"one character is written unchanged", "5", false, "5"},
        {"empty text is written unchanged", "", false, ""},
        {"a lone break", "\n", false, "\r\n"},
        {"blank lines inside are kept", "1\n\nnote\n", false, "1\r\n\r\nnote\r\n"},
        {"two breaks at the end keep one empty line", "1\n\n", false, "1\r\n\r\n"},
        {"UTF-8 text", QStringLiteral("caf\u00e9\n"), false, "caf\xc3\xa9\r\n"},
        {"Latin-1 text", QStringLiteral("caf\u00e9\n"), true, "caf\xe9\r\n"},
        {"Latin-1 asked but a character does not fit", QStringLiteral("\u20ac\n"), true,
         "\xe2\x82\xac\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(OptionsFileBytes(c.editorText, c.latin1), c.want);
    }
}

TEST(OptionsEditorFile, OpenAndSaveWithoutEditsKeepsTheBytes) {
    struct Case {
        const char* label;
        QByteArray file;
    };
    const Case cases[] = {
        {"CR LF file", "1.5    Orb\r\n6      Month\r\n\r\nHOW TO EDIT\r\nmore text\r\n"},
        {"Latin-1 file", "1.5    Orb \xb0\r\n6      Mois\r\n"},
        {"UTF-8 file", "1.5    Orb \xc2\xb0\r\n"},
        {"trailing blank lines", "1\r\n\r\n\r\n"},
        {"one line", "1\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        DataFolder folder;
        folder.Write(kOpt, c.file);
        const std::optional<OptionsText> loaded = LoadOptionsText(folder.Path());
        ASSERT_TRUE(loaded.has_value());
        ASSERT_TRUE(SaveOptionsText(folder.Path(), loaded->text, loaded->latin1));
        EXPECT_EQ(folder.Read(kOpt), c.file);
    }
}

TEST(OptionsEditorFile, LoadEndsEveryLineWithOneBreak) {
    struct Case {
        const char* label;
        QByteArray file;
        QString want;
        bool latin1;
    };
    const Case cases[] = {
        {"CR LF", "a\r\nb\r\n", "a\nb\n", false},
        {"CR alone", "a\rb\r", "a\nb\n", false},
        {"LF alone", "a\nb\n", "a\nb\n", false},
        {"no break at the end", "a\r\nb", "a\nb\n", false},
        {"empty file", "", "", false},
        {"Latin-1", "\xe9t\xe9\r\n", QStringLiteral("\u00e9t\u00e9\n"), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        DataFolder folder;
        folder.Write(kOpt, c.file);
        const std::optional<OptionsText> loaded = LoadOptionsText(folder.Path());
        ASSERT_TRUE(loaded.has_value());
        EXPECT_EQ(loaded->text, c.want);
        EXPECT_EQ(loaded->latin1, c.latin1);
    }
}

TEST(OptionsEditorFile, MissingFile) {
    DataFolder folder;
    EXPECT_FALSE(OptionsFileExists(folder.Path()));
    EXPECT_FALSE(LoadOptionsText(folder.Path()).has_value());
    folder.Write(kOpt, "1\r\n");
    EXPECT_TRUE(OptionsFileExists(folder.Path()));
}

TEST(OptionsEditorFile, SavedTextIsReadAsOptions) {
    DataFolder folder;
    folder.Write(kOpt, "1.5    Orb\r\n6      Month\r\n");
    ASSERT_TRUE(
        SaveOptionsText(folder.Path(), QStringLiteral("2.25   Orb\n7      Month\n"), false));
    OptionValues values{};
    ASSERT_TRUE(ReadOptionsFile(folder.Path(), values).opened);
    EXPECT_EQ(values[1], 2.25F);
    EXPECT_EQ(values[2], 7.0F);
}

TEST(OptionsEditorFile, FailedSaveLeavesTheFolderAlone) {
    DataFolder folder;
    const QString missingFolder = QDir(folder.Path()).filePath(QStringLiteral("gone"));
    EXPECT_FALSE(SaveOptionsText(missingFolder, QStringLiteral("1\n"), false));
    EXPECT_FALSE(QFileInfo::exists(missingFolder));
}

TEST(RestoreDefaultOptions, CopiesTheMasterCopyOverTheFile) {
    DataFolder folder;
    folder.Write(kOpt, "9.9    edited\r\n");
    folder.Write(kMas, "1.5    Orb\r\n6      Month\r\n");
    ASSERT_TRUE(RestoreDefaultOptions(folder.Path()));
    EXPECT_EQ(folder.Read(kOpt), QByteArray("1.5    Orb\r\n6      Month\r\n"));
    EXPECT_EQ(folder.Read(kMas), QByteArray("1.5    Orb\r\n6      Month\r\n"));
}

TEST(RestoreDefaultOptions, WithoutMasterCopyTheFileStays) {
    DataFolder folder;
    folder.Write(kOpt, "9.9    edited\r\n");
    EXPECT_FALSE(RestoreDefaultOptions(folder.Path()));
    EXPECT_EQ(folder.Read(kOpt), QByteArray("9.9    edited\r\n"));
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
        {"both present: untouched", true, true, OptionsFileState::Present, "2\r\n"},
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

TEST(EnsureOptionsFile, RestoredMessageNamesBothFilesAndTheFolder) {
    const QString text = OptionsRestoredText(QStringLiteral("/opt/velmaris"));
    EXPECT_TRUE(text.contains(QStringLiteral("OPTIONS.OPT")));
    EXPECT_TRUE(text.contains(QStringLiteral("OPTIONS.MAS")));
    EXPECT_TRUE(text.contains(QStringLiteral("/opt/velmaris")));
}

}  // namespace
}  // namespace velmaris::domain
