// How the program behaves on the desktop: its icon, a second start, the folder it works in.
#include "app/program_icon.h"
#include "app_fixture.h"
#include "help/help_topic.h"
#include "platform/program_folder.h"
#include "platform/qt/running_copy.h"
#include "support/golden.h"
#include "support/table.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <filesystem>

namespace velmaris::testing {
namespace {

TEST(DesktopTest, TheIconIsDrawnAtTheSizesDesktopsAskFor) {
    EnsureApplication();
    for (const int size : {16, 48, 256}) {
        const QImage image = app::ProgramIcon().pixmap(size, size).toImage();
        ASSERT_EQ(image.width(), size);
        // Something is drawn: the middle of the icon is not transparent.
        EXPECT_GT(qAlpha(image.pixel(size / 2, size / 2)), 0) << size;
    }
}

// A second start knocks on the running copy of its folder, and only on that one.
TEST(DesktopTest, ASecondStartRaisesTheCopyOfItsFolder) {
    EnsureApplication();
    QTemporaryDir first;
    QTemporaryDir other;
    platform::RunningCopyChannel running(first.path());
    ASSERT_TRUE(running.Listen());
    QSignalSpy raised(&running, &platform::RunningCopyChannel::raiseRequested);

    EXPECT_FALSE(platform::RunningCopyChannel::AskToRaise(other.path(), 200));
    EXPECT_TRUE(platform::RunningCopyChannel::AskToRaise(first.path() + QStringLiteral("/.")));
    EXPECT_TRUE(raised.wait(5000));
    EXPECT_EQ(raised.count(), 1);
}

// The folder of the executable's real path must be UTF-8 text:
// tests/data/app/executable-folders.tsv.
TEST(DesktopTest, TheExecutablesFolderMustBeText) {
    for (const QList<QByteArray>& row :
         ReadTable(QStringLiteral("app/executable-folders.tsv"), 2)) {
        const std::optional<QString> folder = platform::FolderOfExecutable(row[0]);
        EXPECT_EQ(folder.value_or(QStringLiteral("(none)")).toStdString(), row[1].toStdString())
            << row[0].toStdString();
    }
}

// Started from a folder whose name is not UTF-8, the program stops with a message and writes
// nothing, neither there nor in the working folder.
TEST(DesktopTest, AFolderThatIsNotTextStopsTheProgram) {
    namespace fs = std::filesystem;
    QTemporaryDir root;
    const fs::path base(root.path().toStdString());
    const fs::path bad = base / std::string("V\xe9lmaris");
    const fs::path work = base / "work";
    fs::create_directory(work);
    fs::copy(VELMARIS_DATA_DIR, bad);
    fs::copy_file(VELMARIS_EXECUTABLE, bad / "velmaris");
    fs::create_symlink(bad / "velmaris", base / "velmaris");

    QProcess process;
    process.setWorkingDirectory(QString::fromStdString(work.string()));
    process.start(root.path() + QStringLiteral("/velmaris"), {QStringLiteral("--report")});
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardOutput().isEmpty());
    EXPECT_TRUE(process.readAllStandardError().contains("not UTF-8"));
    const auto entries = [](const fs::path& folder) {
        return std::distance(fs::directory_iterator(folder), {});
    };
    EXPECT_EQ(entries(work), 0);
    EXPECT_EQ(entries(bad), entries(VELMARIS_DATA_DIR) + 1);
    // QTemporaryDir cannot name the folder to remove it.
    fs::remove_all(bad);
}

// The Program Folder item, then the text for a folder of its own seeded from the installed copy
// and for the installed folder itself.
TEST(DesktopTest, ProgramFolderItemNamesTheFolders) {
    StartedApp app;
    app.messages.shown.clear();
    app.Action("mnuHelpFolder")->trigger();
    const QString installed = QStringLiteral("/usr/share/velmaris");
    const QString told =
        QString::fromStdString(app.Shown()) + QStringLiteral("\n---\n") +
        domain::ProgramFolderText(QStringLiteral("/home/u/.local/share/velmaris"), installed) +
        QStringLiteral("\n---\n") + domain::ProgramFolderText(installed, installed);
    ExpectGolden(QString(told).replace(app.folder.Path(), QStringLiteral("FOLDER")).toUtf8(),
                 QStringLiteral("app/program-folder.txt"));
}

}  // namespace
}  // namespace velmaris::testing
