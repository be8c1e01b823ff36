#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

namespace velmaris::domain {

// Consecutive empty lines that end the search for a key line.
inline constexpr int kEmptyLinesEndingSearch = 10;

// Interpretation file of transiting body 1..9 (SUN.TXT .. PLUTO.TXT).
[[nodiscard]] QString InterpretationFileName(int body);

// Whether a line of an interpretation file is the key line of a key: after its leading blanks
// it equals the key with the case of ASCII letters ignored. Trailing blanks are kept, so a key
// line with blanks at its end matches nothing.
[[nodiscard]] bool IsKeyLine(QByteArrayView line, QByteArrayView key);

// The paragraph of the first entry of an interpretation text whose key line matches the key.
// Given:   fileText  contents of an interpretation file; lines end at CR LF, CR or LF
//          key       e.g. "SUN Conjunct MOON"
// Returns: the lines after the key line up to the next empty line or the end of the text,
//          copied as they stand; nothing when the text ends, or ten consecutive empty lines
//          come, before a key line
[[nodiscard]] std::optional<QStringList> FindInterpretation(QByteArrayView fileText,
                                                            QByteArrayView key);

// The paragraph of a key in the interpretation file of transiting body 1..9 in the program
// folder, its lines joined by line feeds; nothing when the file cannot be read, is larger
// than the data-file limit, or has no such key.
[[nodiscard]] std::optional<QString> ReadInterpretation(const QString& appFolder, int body,
                                                        const QString& key);

}  // namespace velmaris::domain
