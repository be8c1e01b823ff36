#include "output/output_files.h"
#include "io/atomic_write.h"

#include <gtest/gtest.h>

#include <QFileInfo>

#include "output/print_job.h"
#include "support/fakes.h"
#include "support/scratch_mount.h"
#include "support/table.h"

namespace velmaris::domain {
namespace {

using testing::DataFolder;

QStringList Numbered(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) {
        lines.append(QStringLiteral("line %1").arg(i));
    }
    return lines;
}

TEST(ProposedSaveFileNameTest, FollowsTheDateOrder) {
    for (const int order : {0, 1, 2}) {
        EXPECT_EQ(ProposedSaveFileName(2026, 12, 4, static_cast<DateOrder>(order)),
                  QStringList({"12042026.TXT", "04122026.TXT", "20261204.TXT"})[order])
            << order;
    }
}

TEST(SavedBufferBytesTest, LayoutByteForByte) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("output/saved-buffer.tsv"), 4)) {
        SCOPED_TRACE(row[3].toStdString());
        EXPECT_EQ(SavedBufferBytes(Numbered(row[0].toInt()), row[1].toDouble()), row[2]);
    }
}

TEST(WriteFileAtomicallyTest, ReplacesWholeFilesAndNeverADevice) {
    DataFolder folder;
    folder.Write(QStringLiteral("OUT.TXT"), QByteArray(5000, 'x'));
    EXPECT_TRUE(io::WriteFileAtomically(folder.FilePath(QStringLiteral("OUT.TXT")), "new\r\n").ok);
    EXPECT_EQ(folder.Read(QStringLiteral("OUT.TXT")), QByteArray("new\r\n"));

    const io::WriteResult noFolder =
        io::WriteFileAtomically(folder.FilePath(QStringLiteral("no/OUT.TXT")), "x");
    EXPECT_FALSE(noFolder.ok || noFolder.error.isEmpty());
    // Renaming over a device as root would replace it: /dev/full must stay a device and fail.
    EXPECT_FALSE(io::WriteFileAtomically(QStringLiteral("/dev/full"), QByteArray(1 << 16, 'y')).ok);
    EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/full")).isFile());
}

TEST(WriteFileAtomicallyTest, FullDiskLeavesTheOldFileIntact) {
    // Short contents stay in the write buffer until the end; long ones fail at once.
    for (const qsizetype size : {qsizetype{3000}, qsizetype{256} * 1024}) {
        SCOPED_TRACE(size);
        DataFolder folder;
        const testing::ScratchMount mount(folder.Path(), "64k");
        if (!mount.IsMounted()) {
            GTEST_SKIP() << "cannot mount a small tmpfs here";
        }
        const QString path = folder.FilePath(QStringLiteral("OLD.TXT"));
        ASSERT_TRUE(io::WriteFileAtomically(path, "old contents\r\n").ok);
        ASSERT_TRUE(mount.Fill());
        EXPECT_FALSE(io::WriteFileAtomically(path, QByteArray(size, 'z')).ok);
        EXPECT_EQ(folder.Read(QStringLiteral("OLD.TXT")), QByteArray("old contents\r\n"));
    }
}

TEST(LoadStagedTextTest, FlagsLinesLongerThanTheLimit) {
    DataFolder folder;
    const QString path = folder.FilePath(QStringLiteral("S.XXX"));
    const QByteArray exact(72, 'a');
    folder.Write(QStringLiteral("S.XXX"), exact + "\r\nshort\r\n\r\n");
    const StagedText atLimit = LoadStagedText(path, 72);
    EXPECT_TRUE(atLimit.readable && !atLimit.longLineFlag);
    EXPECT_EQ(atLimit.text, QString::fromLatin1(exact + "\r\nshort\r\n\r\n"));
    folder.Write(QStringLiteral("S.XXX"), exact + "b\r\n");
    EXPECT_TRUE(LoadStagedText(path, 72).longLineFlag);
    EXPECT_FALSE(LoadStagedText(folder.FilePath(QStringLiteral("MISSING.XXX")), 72).readable);
}

TEST(ReviewBoxTest, StagedTextThereAndBack) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("output/review-box.tsv"), 3)) {
        EXPECT_EQ(ReviewBoxText(QString::fromLatin1(row[0])).toLatin1(), row[1]) << row[0].data();
        EXPECT_EQ(TextFromReviewBox(QString::fromLatin1(row[1])).toLatin1(), row[2])
            << row[0].data();
    }
}

TEST(PaginateLinesTest, BreaksAfterTheLineCountAndWhenTheSheetIsFull) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("output/paginate.tsv"), 5)) {
        SCOPED_TRACE(row[4].toStdString());
        const QStringList lines = Numbered(row[0].toInt());
        QByteArrayList sizes;
        QStringList joined;
        for (const QStringList& page : PaginateLines(lines, row[1].toDouble(), row[2].toInt())) {
            sizes.append(QByteArray::number(page.size()));
            joined += page;
        }
        EXPECT_EQ(sizes.join(' '), row[3]);
        EXPECT_EQ(joined, lines);  // every line once, in order
    }
}

}  // namespace
}  // namespace velmaris::domain
