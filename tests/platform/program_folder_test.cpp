#include "platform/program_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace velmaris::platform {
namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ProgramFolderTest : public ::testing::Test {
  protected:
    QString Path(const QString& relative) const { return root_.path() + '/' + relative; }
    QTemporaryDir root_;
};

TEST_F(ProgramFolderTest, APortableCopyRunsFromItsOwnFolder) {
    WriteFile(Path("portable/OPTIONS.MAS"), "master");
    const ProgramFolderChoice choice = ChooseProgramFolder(Path("portable"), Path("home"));
    EXPECT_EQ(choice.folder, Path("portable"));
    EXPECT_TRUE(choice.problem.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(Path("home/velmaris")));
}

TEST_F(ProgramFolderTest, AnInstalledCopySeedsTheUsersFolderWithoutOverwriting) {
    WriteFile(Path("usr/share/velmaris/OPTIONS.MAS"), "master");
    WriteFile(Path("usr/share/velmaris/OPTIONS.OPT"), "installed options");
    WriteFile(Path("usr/share/velmaris/SUN.TXT"), "sun");
    ASSERT_TRUE(QDir().mkpath(Path("usr/bin")));
    WriteFile(Path("home/velmaris/OPTIONS.OPT"), "the user's options");

    const ProgramFolderChoice choice = ChooseProgramFolder(Path("usr/bin"), Path("home"));
    EXPECT_EQ(choice.folder, Path("home/velmaris"));
    EXPECT_TRUE(choice.problem.isEmpty());
    EXPECT_EQ(ReadFile(Path("home/velmaris/OPTIONS.OPT")), "the user's options");
    EXPECT_EQ(ReadFile(Path("home/velmaris/SUN.TXT")), "sun");
    EXPECT_EQ(ReadFile(Path("home/velmaris/OPTIONS.MAS")), "master");
    EXPECT_TRUE(QFileInfo(Path("home/velmaris/SUN.TXT")).permissions() & QFileDevice::WriteOwner);
    // The installed tree is left as it was.
    EXPECT_EQ(ReadFile(Path("usr/share/velmaris/OPTIONS.OPT")), "installed options");
}

TEST_F(ProgramFolderTest, AUserFolderThatCannotBeMadeRunsReadOnlyFromTheInstalledCopy) {
    WriteFile(Path("usr/share/velmaris/OPTIONS.MAS"), "master");
    ASSERT_TRUE(QDir().mkpath(Path("usr/bin")));
    WriteFile(Path("home"), "a file where the data home should be");
    const ProgramFolderChoice choice = ChooseProgramFolder(Path("usr/bin"), Path("home"));
    EXPECT_EQ(choice.folder, Path("usr/share/velmaris"));
    EXPECT_TRUE(choice.problem.contains(QDir::toNativeSeparators(Path("home/velmaris"))))
        << choice.problem.toStdString();
}

TEST_F(ProgramFolderTest, WithoutAnyDataTheExecutablesFolderStays) {
    ASSERT_TRUE(QDir().mkpath(Path("bare")));
    EXPECT_EQ(ChooseProgramFolder(Path("bare"), Path("home")).folder, Path("bare"));
}

}  // namespace
}  // namespace velmaris::platform
