#include "report/interpretation_file.h"

#include "io/text_lines.h"
#include "report/name_tables.h"

namespace velmaris::domain {
namespace {

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

QString InterpretationFileName(int body) {
    return Latin1(PlanetNames.at(static_cast<std::size_t>(body))) + QStringLiteral(".TXT");
}

bool IsKeyLine(QByteArrayView line, QByteArrayView key) {
    qsizetype start = 0;
    while (start < line.size() && line[start] == ' ') {
        ++start;
    }
    if (line.size() - start != key.size()) {
        return false;
    }
    for (qsizetype i = 0; i < key.size(); ++i) {
        if (AsciiLower(line[start + i]) != AsciiLower(key[i])) {
            return false;
        }
    }
    return true;
}

std::optional<QStringList> FindInterpretation(QByteArrayView fileText, QByteArrayView key) {
    io::LineCursor cursor(fileText);
    int emptyLines = 0;
    while (const std::optional<QByteArrayView> line = cursor.Next()) {
        if (line->isEmpty()) {
            if (++emptyLines >= kEmptyLinesEndingSearch) {
                return std::nullopt;
            }
            continue;
        }
        emptyLines = 0;
        if (!IsKeyLine(*line, key)) {
            continue;
        }
        QStringList paragraph;
        while (const std::optional<QByteArrayView> text = cursor.Next()) {
            if (text->isEmpty()) {
                break;
            }
            paragraph.append(io::DecodeLine(*text));
        }
        return paragraph;
    }
    return std::nullopt;
}

std::optional<QString> ReadInterpretation(const QString& appFolder, int body, const QString& key) {
    const io::DataFileRead file =
        io::ReadDataFile(io::DataFilePath(appFolder, InterpretationFileName(body)));
    if (!file.contents) {
        return std::nullopt;
    }
    const std::optional<QStringList> paragraph = FindInterpretation(*file.contents, key.toLatin1());
    if (!paragraph) {
        return std::nullopt;
    }
    return paragraph->join(QLatin1Char('\n'));
}

}  // namespace velmaris::domain
