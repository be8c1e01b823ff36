// Checks the files that lie beside the program: the interpretation files hold every key the
// report can look up, found by the program's own lookup, in the layout the lookup relies on;
// the options file and its master copy read as sensible values; the help topics fit the page.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSet>

#include <algorithm>
#include <set>
#include <tuple>

#include "help/help_topic.h"
#include "options/options_file.h"
#include "report/interpretation_file.h"
#include "report/name_tables.h"

namespace velmaris::domain {
namespace {

const QString kDataDir = QStringLiteral(VELMARIS_DATA_DIR);

QByteArray ReadData(const QString& name) {
    QFile file(QDir(kDataDir).filePath(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

// The lines of a data file, which must be plain ASCII text that ends every line, the last one
// too, with CR LF, none of them longer than `widest` or ending in a blank.
QList<QByteArray> CheckedLines(const QString& name, int widest) {
    const QByteArray bytes = ReadData(name);
    EXPECT_TRUE(bytes.endsWith("\r\n") && bytes.count("\r\n") == bytes.count('\n'))
        << name.toStdString() << " ends a line otherwise than with CR LF";
    QList<QByteArray> lines = QByteArray(bytes).replace("\r\n", "\n").split('\n');
    lines.removeLast();  // after the final line end
    for (const QByteArray& line : lines) {
        const bool ascii =
            std::all_of(line.begin(), line.end(), [](char c) { return c >= 0x20 && c < 0x7f; });
        EXPECT_TRUE(ascii && line.size() <= widest && !line.endsWith(' '))
            << name.toStdString() << ": a line end alone, a character that is not plain ASCII, "
            << "a trailing blank or more than " << widest << " columns: " << line.data();
    }
    return lines;
}

// Each file is a list of entries, a key line and its paragraph, each ending in one empty line.
// Its keys are exactly those the report can look up: each transit aspect FindAspect can find.
TEST(InterpretationFilesTest, EveryKeyIsFoundOnceWithAParagraph) {
    std::set<QString> paragraphs;
    for (int t = 1; t <= 9; ++t) {
        const QString name = InterpretationFileName(t);
        QSet<QByteArray> keys;
        for (int n = 1; n <= 10; ++n) {
            for (const int aspect : {2, 3, 4, 5, 6, 8, 9, 10, 11}) {
                keys.insert(QStringLiteral("%1 %2 %3")
                                .arg(Latin1(PlanetNames[t]), Latin1(AspectName(aspect)),
                                     Latin1(PlanetNames[n]))
                                .toLatin1());
            }
        }
        (void)CheckedLines(name, 72);
        const QByteArray bytes = ReadData(name);
        QString entries = QString::fromLatin1(bytes);
        entries.chop(entries.endsWith(QStringLiteral("\r\n\r\n")) ? 4 : 2);  // the last line end
        for (const QString& entry : entries.split(QStringLiteral("\r\n\r\n"))) {
            QStringList paragraph = entry.split(QStringLiteral("\r\n"));
            const QByteArray key = paragraph.takeFirst().toLatin1();
            EXPECT_TRUE(keys.remove(key))
                << "not a key looked up, or a second entry: " << key.data();
            EXPECT_EQ(FindInterpretation(bytes, key), paragraph) << key.data();
            EXPECT_TRUE(paragraph.size() >= 3 && paragraph.size() <= 6) << key.data();
            EXPECT_TRUE(paragraphs.insert(paragraph.join('\n')).second)
                << "paragraph used twice: " << key.data();
        }
        EXPECT_TRUE(keys.isEmpty())
            << keys.size() << " keys without an entry, e.g. " << keys.begin()->data();
    }
}

TEST(OptionsFilesTest, OptionsAndMasterCopyAreIdenticalAndSensible) {
    const QByteArray bytes = ReadData(QStringLiteral("OPTIONS.OPT"));
    EXPECT_EQ(bytes, ReadData(QStringLiteral("OPTIONS.MAS")));
    const QList<QByteArray> lines = CheckedLines(QStringLiteral("OPTIONS.OPT"), 60);
    ASSERT_TRUE(lines.size() > 13 && lines[12].isEmpty()) << "twelve values, then an empty line";
    // The help topic on the options shows the twelve value lines as the file has them.
    EXPECT_TRUE(ReadData(QStringLiteral("OPTIONS.HLP"))
                    .contains(bytes.left(bytes.indexOf("\r\n\r\n") + 2)));

    OptionValues values{};
    const OptionsRead read = ReadOptionsFile(kDataDir, values);
    ASSERT_TRUE(read.opened && read.problems.isEmpty());
    // Each value's sensible range: an orb for a daily report, a real birth date and time, the
    // page lengths asked for, a line width for a fixed-pitch font at 12 points.
    const std::tuple<std::size_t, float, float> ranges[] = {
        {1, 1, 2},  {2, 1, 12},   {3, 1, 31},   {4, 1000, 9999}, {5, 1, 12},
        {6, 0, 59}, {10, 60, 60}, {11, 61, 61}, {12, 61, 100}};
    for (const auto& [entry, low, high] : ranges) {
        EXPECT_TRUE(values[entry] >= low && values[entry] <= high)
            << entry << ": " << values[entry];
    }
}

// Every topic of the Help menu, then the accuracy topic.
TEST(HelpTopicsTest, PlainTextThatFitsThePage) {
    for (std::size_t i = 0; i <= kHelpTopics.size(); ++i) {
        const char* file = (i < kHelpTopics.size() ? kHelpTopics[i] : kAccuracyTopic).fileName;
        EXPECT_GT(CheckedLines(QString::fromLatin1(file), 78).size(), 10) << file;
    }
}

}  // namespace
}  // namespace velmaris::domain
