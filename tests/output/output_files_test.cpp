#include "output/output_files.h"

#include <gtest/gtest.h>
#include <sys/mount.h>

#include <QFile>
#include <QFileInfo>

#include "output/print_job.h"
#include "support/fakes.h"

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
    struct Case {
        int order;
        const char* want;
    };
    const Case cases[] = {
        {0, "12042026.TXT"}, {1, "04122026.TXT"}, {2, "20261204.TXT"}, {7, "12042026.TXT"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.order);
        EXPECT_EQ(ProposedSaveFileName(2026, 12, 4, c.order), QString::fromLatin1(c.want));
    }
    EXPECT_EQ(ProposedSaveFileName(2027, 1, 9, 2), QStringLiteral("20270109.TXT"));
}

TEST(SavedBufferBytesTest, LayoutByteForByte) {
    struct Case {
        const char* label;
        int lineCount;
        double pageLength;
        QByteArray want;
    };
    const Case cases[] = {
        {"page longer than the buffer", 2, 61, "line 1\r\nline 2\r\n\r\n\f\r\n"},
        // Slots count from 0 and slot 0 never ends a page: breaks follow slots 2 and 4.
        {"a form feed after slots 2 and 4", 5, 3,
         "line 1\r\nline 2\r\nline 3\r\n\f\r\nline 4\r\nline 5\r\n\f\r\n\r\n\f\r\n"},
        {"the empty last slot can end a page", 4, 3,
         "line 1\r\nline 2\r\nline 3\r\n\f\r\nline 4\r\n\r\n\f\r\n\f\r\n"},
        {"page length 2: a form feed after every slot but the first", 2, 2,
         "line 1\r\nline 2\r\n\f\r\n\r\n\f\r\n\f\r\n"},
        {"page length 1 writes no page breaks", 3, 1, "line 1\r\nline 2\r\nline 3\r\n\r\n\f\r\n"},
        {"page length 0 writes no page breaks", 2, 0, "line 1\r\nline 2\r\n\r\n\f\r\n"},
        {"negative page length writes no page breaks", 2, -60, "line 1\r\nline 2\r\n\r\n\f\r\n"},
        {"page length rounds to the even neighbour", 4, 3.5,
         // 3.5 - 1 = 2.5 rounds to 2
         "line 1\r\nline 2\r\nline 3\r\n\f\r\nline 4\r\n\r\n\f\r\n\f\r\n"},
        {"empty buffer", 0, 61, "\r\n\f\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(SavedBufferBytes(Numbered(c.lineCount), c.pageLength), c.want);
    }
}

TEST(SavedBufferBytesTest, FormFeedsFollowSlots60And120WithTheUsualPageLength) {
    const QByteArray bytes = SavedBufferBytes(Numbered(130), 61);
    const QList<QByteArray> lines = bytes.split('\n');
    // Count the lines written before each form feed: slot 60 is the 61st line.
    QList<int> formFeedAfter;
    int bufferLine = 0;
    for (const QByteArray& line : lines) {
        if (line == "\f\r") {
            formFeedAfter.append(bufferLine);
        } else if (!line.isEmpty()) {
            ++bufferLine;
        }
    }
    EXPECT_EQ(formFeedAfter, (QList<int>{61, 121, 131}));
}

TEST(WriteFileAtomicallyTest, ReplacesTheWholeFile) {
    DataFolder folder;
    folder.Write(QStringLiteral("OUT.TXT"), QByteArray(5000, 'x'));
    const WriteResult result =
        WriteFileAtomically(folder.FilePath(QStringLiteral("OUT.TXT")), "new\r\n");
    EXPECT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(folder.Read(QStringLiteral("OUT.TXT")), QByteArray("new\r\n"));
}

TEST(WriteFileAtomicallyTest, ReportsFailureAndNeverReplacesADevice) {
    DataFolder folder;
    const QString missingFolder = folder.FilePath(QStringLiteral("no/such/folder/OUT.TXT"));
    const WriteResult noFolder = WriteFileAtomically(missingFolder, "data");
    EXPECT_FALSE(noFolder.ok);
    EXPECT_FALSE(noFolder.error.isEmpty());
    const WriteResult fullDisk =
        WriteFileAtomically(QStringLiteral("/dev/full"), QByteArray(1 << 16, 'y'));
    EXPECT_FALSE(fullDisk.ok);
    EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/full")).isFile());
}

// A full disk: a small tmpfs holds an old file; a write too large for it fails and the old
// file is left as it was. Needs the right to mount, so it runs where tests run as root.
TEST(WriteFileAtomicallyTest, FullDiskLeavesTheOldFileIntact) {
    // Short contents stay in the write buffer until the end; long ones fail at once.
    for (const qsizetype size : {qsizetype{3000}, qsizetype{256 * 1024}}) {
        SCOPED_TRACE(size);
        DataFolder folder;
        const QByteArray mountPoint = folder.Path().toLocal8Bit();
        if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0) {
            GTEST_SKIP() << "cannot mount a small tmpfs here";
        }
        const QString path = folder.FilePath(QStringLiteral("OLD.TXT"));
        ASSERT_TRUE(WriteFileAtomically(path, "old contents\r\n").ok);
        // Fill the disk so that even a short write cannot land.
        (void)WriteFileAtomically(folder.FilePath(QStringLiteral("FILLER")),
                                  QByteArray(60 * 1024, 'f'));
        QFile filler(folder.FilePath(QStringLiteral("FILLER2")));
        if (filler.open(QIODevice::WriteOnly)) {
            while (filler.write(QByteArray(512, 'f')) == 512 && filler.flush()) {
            }
            filler.close();
        }
        const WriteResult result = WriteFileAtomically(path, QByteArray(size, 'z'));
        const QByteArray after = folder.Read(QStringLiteral("OLD.TXT"));
        ::umount(mountPoint.constData());
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(after, QByteArray("old contents\r\n"));
    }
}

TEST(LoadStagedTextTest, FlagsLinesLongerThanTheLimit) {
    DataFolder folder;
    const QString exact(72, QLatin1Char('a'));
    folder.Write(QStringLiteral("S.XXX"), exact.toLatin1() + "\r\nshort\r\n\r\n");
    const StagedText atLimit = LoadStagedText(folder.FilePath(QStringLiteral("S.XXX")), 72);
    EXPECT_TRUE(atLimit.readable);
    EXPECT_FALSE(atLimit.longLineFlag);
    EXPECT_EQ(atLimit.text, exact + QStringLiteral("\r\nshort\r\n\r\n"));
    EXPECT_EQ(PrintPointSize(atLimit.longLineFlag), 12);

    folder.Write(QStringLiteral("S.XXX"), exact.toLatin1() + "b\r\n");
    const StagedText oneMore = LoadStagedText(folder.FilePath(QStringLiteral("S.XXX")), 72);
    EXPECT_TRUE(oneMore.longLineFlag);
    EXPECT_EQ(PrintPointSize(oneMore.longLineFlag), 10);

    EXPECT_FALSE(LoadStagedText(folder.FilePath(QStringLiteral("MISSING.XXX")), 72).readable);
}

TEST(PaginateLinesTest, BreaksAfterTheLineCountAndWhenTheSheetIsFull) {
    struct Case {
        const char* label;
        int lineCount;
        double linesPerPage;
        int linesPerSheet;
        QList<int> wantPageSizes;
    };
    const Case cases[] = {
        {"60 per page", 180, 60, 0, {60, 60, 60}},
        {"no empty page after a full last page", 120, 60, 100, {60, 60}},
        {"a remainder", 130, 60, 100, {60, 60, 10}},
        {"sheet full first", 130, 60, 50, {50, 50, 30}},
        {"zero: only full sheets break", 130, 0, 50, {50, 50, 30}},
        {"negative: only full sheets break", 20, -5, 0, {20}},
        {"fraction never matches a count", 20, 7.5, 0, {20}},
        {"one per page", 3, 1, 0, {1, 1, 1}},
        {"nothing to print", 0, 60, 50, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const QList<QStringList> pages =
            PaginateLines(Numbered(c.lineCount), c.linesPerPage, c.linesPerSheet);
        QList<int> sizes;
        for (const QStringList& page : pages) {
            sizes.append(static_cast<int>(page.size()));
        }
        EXPECT_EQ(sizes, c.wantPageSizes);
        if (!pages.isEmpty()) {
            EXPECT_EQ(pages.front().front(), QStringLiteral("line 1"));
            EXPECT_EQ(pages.back().back(), QStringLiteral("line %1").arg(c.lineCount));
        }
    }
}

}  // namespace
}  // namespace velmaris::domain
