// Faults around the windows: a program folder that is read-only or full, an options file too
// large to edit, and a staging file that is gone or unreadable when the review window loads.
// Each is told in a message; no file the user had is lost or cut short.
#include "app/print_review_window.h"
#include "app_fixture.h"
#include "options/options_editor.h"
#include "output/output_commands.h"
#include "support/output_fakes.h"
#include "support/scratch_mount.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QPointer>
#include <QPushButton>

namespace velmaris::testing {
namespace {

const QString kOptionsFile = QStringLiteral("OPTIONS.OPT");
const QString kSettingsFile = QStringLiteral("VELMARIS.INI");
const QString kStagingFile = QStringLiteral("PRNTFILE.XXX");

QStringList FolderEntries(const DataFolder& folder) {
    return QDir(folder.Path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
}

TEST(UnwritableFolder, EveryWriteSaysSoAndNothingIsLost) {
    struct Case {
        const char* label;
        bool readOnly;  // else the disk is full
        bool print;     // also try Print page
    };
    const Case cases[] = {{"read-only program folder", true, true}, {"full disk", false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        AppRig rig(true, false);
        const ScratchMount mount(rig.folder.Path(), "2m");
        if (!mount.IsMounted()) {
            GTEST_SKIP() << "cannot mount a small tmpfs here";
        }
        CopyDataFiles(rig.folder);
        const QByteArray oldSettings = "FontSize= 11\r\n";
        const QByteArray oldStaged = "staged before\r\n";
        rig.folder.Write(kSettingsFile, oldSettings);
        rig.folder.Write(kStagingFile, oldStaged);
        const QByteArray oldOptions = rig.folder.Read(kOptionsFile);
        rig.window->StartUp();
        ASSERT_TRUE(c.readOnly ? mount.MakeReadOnly() : mount.Fill());
        const QStringList entries = FolderEntries(rig.folder);
        rig.messages.shown.clear();

        // The options editor: Save and Restore Default Settings fail; the typed text stays.
        rig.Action("mnuOptions")->trigger();
        auto* editor = rig.window->findChild<QDialog*>(QStringLiteral("Options"));
        ASSERT_NE(editor, nullptr);
        auto* text = editor->findChild<QPlainTextEdit*>(QStringLiteral("txtContent"));
        text->appendPlainText(QStringLiteral("typed"));
        const QString typed = text->toPlainText();
        editor->findChild<QPushButton*>(QStringLiteral("btnSave"))->click();
        editor->findChild<QPushButton*>(QStringLiteral("cmdRestoreDefault"))->click();
        EXPECT_EQ(text->toPlainText(), typed);
        // Print page: the page cannot be staged, so no review window opens.
        if (c.print) {
            rig.Action("mnuPrint")->trigger();
            EXPECT_EQ(rig.window->findChild<QDialog*>(QStringLiteral("PrntFile")), nullptr);
        }
        // Exit: the settings cannot be written; the program ends all the same.
        rig.Action("mnuFileExit")->trigger();
        EXPECT_FALSE(rig.window->isVisible());

        QStringList wantStarts = {domain::OptionsSaveFailedText(rig.folder.Path()),
                                  domain::kOptionsRestoreFailedText};
        if (c.print) {
            wantStarts.append(QStringLiteral("The file to print, "));
        }
        wantStarts.append(
            QStringLiteral("The window settings cannot be written to VELMARIS.INI in "));
        ASSERT_EQ(rig.messages.shown.size(), static_cast<std::size_t>(wantStarts.size()));
        for (qsizetype i = 0; i < wantStarts.size(); ++i) {
            const testing::ShownMessage& shown = rig.messages.shown[static_cast<std::size_t>(i)];
            EXPECT_TRUE(shown.text.startsWith(wantStarts[i])) << shown.text.toStdString();
        }
        EXPECT_EQ(rig.folder.Read(kOptionsFile), oldOptions);
        EXPECT_EQ(rig.folder.Read(kSettingsFile), oldSettings);
        EXPECT_EQ(rig.folder.Read(kStagingFile), oldStaged);
        EXPECT_EQ(FolderEntries(rig.folder), entries);  // no temporary file left behind
    }
}

TEST(OptionsEditorLimit, AFileTooLargeToEditIsToldAndNotOpened) {
    struct Case {
        const char* label;
        QByteArray tail;  // after the supplied options; empty: the file grows to 100 MB
        bool opens;
    };
    const Case cases[] = {
        {"60 KB of description still opens", QByteArray(60 * 1024, 'd'), true},
        {"a line of 1 MB", "5" + QByteArray(1000000, 'x') + "\r\n", false},
        {"a file of 100 MB", {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        AppRig rig;
        rig.window->StartUp();
        const QByteArray options = rig.folder.Read(kOptionsFile) + c.tail;
        rig.folder.Write(kOptionsFile, options);
        if (c.tail.isEmpty()) {
            QFile file(rig.folder.FilePath(kOptionsFile));
            ASSERT_TRUE(file.resize(qint64{100} * 1024 * 1024));
        }
        rig.messages.shown.clear();
        rig.Action("mnuOptions")->trigger();
        auto* editor = rig.window->findChild<QDialog*>(QStringLiteral("Options"));
        EXPECT_EQ(editor != nullptr, c.opens);
        if (c.opens) {
            EXPECT_TRUE(rig.messages.shown.empty());
        } else {
            ASSERT_EQ(rig.messages.shown.size(), 1U);
            EXPECT_EQ(rig.messages.shown[0].text.toStdString(),
                      "OPTIONS.OPT is larger than 65536 bytes, so it was not read. It is too "
                      "large to edit here.");
            EXPECT_EQ(rig.folder.Read(kOptionsFile).left(options.size()), options);
        }
    }
}

TEST(PrintReviewLoad, StagingFileGoneOrUnreadableIsToldAndTheWindowStillWorks) {
    struct Case {
        const char* label;
        void (*spoil)(const QString& path);
    };
    const Case cases[] = {
        {"missing", [](const QString&) {}},
        {"a folder in its place", [](const QString& path) { QDir().mkdir(path); }},
        {"a link to nowhere",
         [](const QString& path) { QFile::link(path + QStringLiteral(".gone"), path); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        AppRig rig;
        rig.window->StartUp();
        ScriptedFileDialog dialog;
        RecordingPrinter printer;
        domain::OutputCommands output(*rig.program, rig.messages, dialog, printer);
        ASSERT_TRUE(output.StagePage());
        const QString path = output.StagingFilePath();
        ASSERT_TRUE(QFile::remove(path));
        c.spoil(path);
        rig.messages.shown.clear();

        QPointer<app::PrintReviewWindow> window = new app::PrintReviewWindow(output);
        window->LoadStagedText();
        ASSERT_EQ(rig.messages.shown.size(), 1U);
        EXPECT_EQ(rig.messages.shown[0].text,
                  QStringLiteral("The file to print, %1, could not be read.")
                      .arg(QDir::toNativeSeparators(path)));
        EXPECT_TRUE(window->findChild<QPlainTextEdit*>(QStringLiteral("txtContent"))
                        ->toPlainText()
                        .isEmpty());
        EXPECT_FALSE(window->LongLineFlag());
        window->show();
        window->findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(window.isNull());
        EXPECT_TRUE(printer.jobs.empty());
    }
}

}  // namespace
}  // namespace velmaris::testing
