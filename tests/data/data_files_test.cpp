// Checks the files that lie beside the program: the interpretation files hold every key the
// report can look up, found by the program's own lookup, in the layout the lookup relies on;
// the options file and its master copy read as sensible values; the help topics fit the page.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSet>

#include <algorithm>
#include <tuple>

#include "io/text_lines.h"
#include "options/options_file.h"
#include "report/interpretation_file.h"
#include "report/name_tables.h"

namespace velmaris::domain {
namespace {

const QString kDataDir = QStringLiteral(VELMARIS_DATA_DIR);

// The aspects FindAspect can produce, by index.
constexpr int kReportedAspects[] = {2, 3, 4, 5, 6, 8, 9, 10, 11};

QByteArray ReadData(const QString& name) {
    QFile file(QDir(kDataDir).filePath(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

// The lines of a file of plain ASCII text that ends every line, the last one too, with CR LF.
QList<QByteArray> CrLfLines(const QByteArray& bytes, const QString& name) {
    const std::string file = name.toStdString();
    EXPECT_TRUE(bytes.endsWith("\r\n")) << file;
    EXPECT_TRUE(
        std::all_of(bytes.begin(), bytes.end(),
                    [](char c) { return c == '\r' || c == '\n' || (c >= 0x20 && c < 0x7f); }))
        << file << " holds a character that is not plain ASCII";
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast();  // after the final line end
    for (QByteArray& line : lines) {
        EXPECT_TRUE(line.endsWith('\r') && line.count('\r') == 1) << file << ": " << line.data();
        line.chop(1);
    }
    return lines;
}

QString Key(int transiting, int aspect, int natal) {
    return Latin1(PlanetNames[transiting]) + QLatin1Char(' ') + Latin1(AspectName(aspect)) +
           QLatin1Char(' ') + Latin1(PlanetNames[natal]);
}

TEST(InterpretationFilesTest, EveryKeyIsFoundOnceWithAParagraph) {
    QSet<QString> paragraphs;
    for (int t = 1; t <= 9; ++t) {
        const QString name = InterpretationFileName(t);
        SCOPED_TRACE(name.toStdString());
        const QByteArray bytes = ReadData(name);
        const QList<QByteArray> lines = CrLfLines(bytes, name);

        QSet<QString> keyLines;
        int emptyRun = 0;
        for (const QByteArray& line : lines) {
            emptyRun = line.isEmpty() ? emptyRun + 1 : 0;
            ASSERT_LT(emptyRun, kEmptyLinesEndingSearch);
            EXPECT_LE(line.size(), 72) << line.constData();
            EXPECT_FALSE(line.endsWith(' ')) << "trailing blank: " << line.constData();
            if (line.startsWith(PlanetNames[t].data()) && line.count(' ') == 2 &&
                !line.contains(' ' + QByteArray(" "))) {
                EXPECT_FALSE(keyLines.contains(QString::fromLatin1(line))) << line.constData();
                keyLines.insert(QString::fromLatin1(line));
            }
        }
        EXPECT_EQ(keyLines.size(), 90);

        for (int n = 1; n <= 10; ++n) {
            for (const int aspect : kReportedAspects) {
                const QString key = Key(t, aspect, n);
                SCOPED_TRACE(key.toStdString());
                EXPECT_TRUE(keyLines.contains(key));
                const std::optional<QStringList> paragraph =
                    FindInterpretation(bytes, key.toLatin1());
                ASSERT_TRUE(paragraph.has_value());
                EXPECT_GE(paragraph->size(), 3);
                EXPECT_LE(paragraph->size(), 6);
                const QString text = paragraph->join(QLatin1Char('\n'));
                EXPECT_FALSE(paragraphs.contains(text)) << "paragraph used twice";
                paragraphs.insert(text);
            }
        }
    }
    EXPECT_EQ(paragraphs.size(), 810);
}

TEST(OptionsFilesTest, OptionsAndMasterCopyAreIdenticalAndSensible) {
    EXPECT_EQ(ReadData(QStringLiteral("OPTIONS.OPT")), ReadData(QStringLiteral("OPTIONS.MAS")));
    const QByteArray bytes = ReadData(QStringLiteral("OPTIONS.OPT"));
    const QList<QByteArray> lines = CrLfLines(bytes, QStringLiteral("OPTIONS.OPT"));
    ASSERT_GT(lines.size(), 13);
    EXPECT_TRUE(lines[12].isEmpty()) << "twelve values, then an empty line";
    for (const QByteArray& line : lines) {
        EXPECT_LE(line.size(), 60) << "wraps in the options editor: " << line.constData();
    }
    // The help topic on the options shows the twelve value lines as the file has them.
    EXPECT_TRUE(ReadData(QStringLiteral("OPTIONS.HLP"))
                    .contains(bytes.left(bytes.indexOf("\r\n\r\n") + 2)));

    OptionValues values{};
    const OptionsRead read = ReadOptionsFile(kDataDir, values);
    ASSERT_TRUE(read.opened);
    EXPECT_TRUE(read.problems.isEmpty());
    // Each value's sensible range: an orb for a daily report, a real birth date and time, the
    // page lengths asked for, a line width for a fixed-pitch font at 12 points.
    const std::tuple<std::size_t, float, float> ranges[] = {
        {1, 1, 2},  {2, 1, 12},   {3, 1, 31},   {4, 1000, 9999}, {5, 1, 12},
        {6, 0, 59}, {10, 60, 60}, {11, 61, 61}, {12, 61, 100}};
    for (const auto& [entry, low, high] : ranges) {
        EXPECT_GE(values[entry], low) << entry;
        EXPECT_LE(values[entry], high) << entry;
    }
}

TEST(HelpTopicsTest, PlainTextThatFitsThePage) {
    const char* const topics[] = {"VELMARIS.HLP", "OPTIONS.HLP",  "PRNTFILE.HLP", "INTERPS.HLP",
                                  "HINTS.HLP",    "REVISION.HLP", "PHILO.HLP",    "LICENSE.HLP",
                                  "UPGRADES.HLP", "ACCURACY.HLP"};
    for (const char* topic : topics) {
        const QString name = QString::fromLatin1(topic);
        SCOPED_TRACE(topic);
        const QByteArray bytes = ReadData(name);
        const QList<QByteArray> lines = CrLfLines(bytes, name);
        EXPECT_GT(lines.size(), 10) << topic;
        for (const QByteArray& line : lines) {
            EXPECT_LE(line.size(), 78) << topic << ": " << line.constData();
        }
    }
}

}  // namespace
}  // namespace velmaris::domain
