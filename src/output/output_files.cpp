#include "output/output_files.h"

#include <QFile>

#include <cmath>

#include "calendar/calendar.h"
#include "io/text_lines.h"

namespace velmaris::domain {
namespace {

const QByteArray kCrLf = QByteArrayLiteral("\r\n");
const QByteArray kFormFeedLine = QByteArrayLiteral("\f\r\n");

}  // namespace

QString ProposedSaveFileName(int year, int month, int day, DateOrder dateOrder) {
    const QString yyyy = QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0'));
    const QString base =
        JoinInDateOrder(dateOrder, TwoDigits(month), TwoDigits(day), yyyy, QString());
    const qsizetype blank = base.indexOf(QLatin1Char(' '));
    if (blank >= 0 && blank < 8) {
        return base.left(blank) + QStringLiteral(".TXT");
    }
    return base.left(8) + QStringLiteral(".TXT");
}

QByteArray SavedBufferBytes(const QStringList& lines, double pageLength) {
    const double divisor = RoundHalfEven(pageLength - 1);
    const bool pageBreaks = std::isfinite(divisor) && divisor > 0;
    QByteArray out;
    const qsizetype count = lines.size();
    for (qsizetype i = 0; i <= count; ++i) {
        if (i < count) {
            out += lines[i].toUtf8();
        }
        out += kCrLf;
        if (pageBreaks && i != 0 && std::fmod(static_cast<double>(i), divisor) == 0) {
            out += kFormFeedLine;
        }
    }
    out += kFormFeedLine;
    return out;
}

QByteArray StagingFileBytes(const QStringList& lines) {
    QByteArray out;
    for (const QString& line : lines) {
        out += line.toUtf8();
        out += kCrLf;
    }
    out += kCrLf;
    return out;
}

StagedText LoadStagedText(const QString& path, double longestLine) {
    StagedText staged;
    const std::optional<QByteArray> bytes = io::ReadWholeFile(path);
    if (!bytes) {
        return staged;
    }
    staged.readable = true;
    io::LineCursor cursor(*bytes);
    while (const std::optional<QByteArrayView> raw = cursor.Next()) {
        const QString line = io::DecodeLine(*raw);
        if (static_cast<double>(line.size()) > longestLine) {
            staged.longLineFlag = true;
        }
        staged.text += line;
        staged.text += QStringLiteral("\r\n");
    }
    return staged;
}

QString ReviewBoxText(const QString& stagedText) {
    const QString crLf = QStringLiteral("\r\n");
    QString text = stagedText;
    if (text.endsWith(crLf)) {
        text.chop(crLf.size());
    }
    return text.replace(crLf, QStringLiteral("\n"));
}

QString TextFromReviewBox(const QString& boxText) {
    const QString crLf = QStringLiteral("\r\n");
    return QString(boxText).replace(QLatin1Char('\n'), crLf) + crLf;
}

}  // namespace velmaris::domain
