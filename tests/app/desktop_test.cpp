// How the program behaves on the desktop: its icon, a second start, the folder it works in.
#include "app/program_icon.h"
#include "app_fixture.h"
#include "help/help_topic.h"
#include "platform/program_folder.h"
#include "platform/qt/running_copy.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <filesystem>

namespace velmaris::testing {
namespace {

TEST(DesktopTest, TheIconIsDrawnAtTheSizesDesktopsAskFor) {
    EnsureApplication();
    const QIcon icon = app::ProgramIcon();
    for (const int size : {16, 48, 256}) {
        const QImage image = icon.pixmap(size, size).toImage();
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

TEST(DesktopTest, TheExecutablesFolderMustBeText) {
    struct Case {
        QByteArray realPath;
        std::optional<QString> folder;
    };
    const Case cases[] = {
        {"/usr/bin/velmaris", QStringLiteral("/usr/bin")},
        {"/opt/V\xc3\xa9lmaris/velmaris", QStringLiteral("/opt/V\u00e9lmaris")},
        {"/opt/V\xe9lmaris/velmaris", std::nullopt},  // Latin-1, not UTF-8
        {"/opt/\xff\xfe/velmaris", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::FolderOfExecutable(c.realPath), c.folder) << c.realPath.toStdString();
    }
}

// Started from a folder whose name is not UTF-8, the program stops with a message and writes
// nothing, neither there nor in the working folder.
TEST(DesktopTest, AFolderThatIsNotTextStopsTheProgram) {
    QTemporaryDir root;
    const std::filesystem::path base(root.path().toStdString());
    const std::filesystem::path bad = base / std::string("V\xe9lmaris");
    std::filesystem::create_directory(bad);
    std::filesystem::copy_file(VELMARIS_EXECUTABLE, bad / "velmaris");
    for (const auto& entry : std::filesystem::directory_iterator(VELMARIS_DATA_DIR)) {
        std::filesystem::copy_file(entry.path(), bad / entry.path().filename());
    }
    std::filesystem::create_symlink(bad / "velmaris", base / "velmaris");
    const std::filesystem::path work = base / "work";
    std::filesystem::create_directory(work);

    QProcess process;
    process.setWorkingDirectory(QString::fromStdString(work.string()));
    process.start(root.path() + QStringLiteral("/velmaris"), {QStringLiteral("--report")});
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardOutput().isEmpty());
    EXPECT_TRUE(process.readAllStandardError().contains("not UTF-8"));
    EXPECT_TRUE(std::filesystem::is_empty(work));
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(bad)) {
        ++files;
    }
    EXPECT_EQ(files, 1 + static_cast<std::size_t>(
                             std::distance(std::filesystem::directory_iterator(VELMARIS_DATA_DIR),
                                           std::filesystem::directory_iterator())));
    // QTemporaryDir cannot name the folder to remove it.
    std::filesystem::remove_all(bad);
}

TEST(DesktopTest, ProgramFolderItemNamesTheFolders) {
    StartedApp app;
    app.messages.shown.clear();
    app.Action("mnuHelpFolder")->trigger();
    ASSERT_EQ(app.messages.shown.size(), 1U);
    EXPECT_TRUE(app.messages.shown[0].text.contains(QDir::toNativeSeparators(app.folder.Path())));

    const QString seeded = domain::ProgramFolderText(
        QStringLiteral("/home/u/.local/share/velmaris"), QStringLiteral("/usr/share/velmaris"));
    EXPECT_TRUE(seeded.contains(QStringLiteral("/home/u/.local/share/velmaris")));
    EXPECT_TRUE(seeded.contains(QStringLiteral("installed copy in /usr/share/velmaris")));
    const QString readOnly = domain::ProgramFolderText(QStringLiteral("/usr/share/velmaris"),
                                                       QStringLiteral("/usr/share/velmaris"));
    EXPECT_TRUE(readOnly.contains(QStringLiteral("nothing can be saved there")));
}

}  // namespace
}  // namespace velmaris::testing
