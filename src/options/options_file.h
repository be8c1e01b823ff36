#pragma once

#include "calendar/moment_fields.h"
#include "options/option_values.h"

#include <QString>
#include <QStringList>
#include <QStringView>

namespace velmaris::domain {

inline const QString kOptionsFileName = QStringLiteral("OPTIONS.OPT");

// Only these first characters of an options line hold its number; the rest is a description.
inline constexpr int kOptionColumns = 7;
inline constexpr int kOptionCount = 12;

// The number at the start of a text.
// Given:   text  blanks, tabs and line feeds are skipped wherever they stand; then the longest
//                prefix that forms a number is read: an optional sign, digits, a decimal point
//                with digits, an exponent (E, optional sign, digits), or "&H" with hexadecimal
//                or "&O" with octal digits
// Returns: the number, 0 when there is none; infinite when it exceeds the range of a double
[[nodiscard]] double LeadingNumber(QStringView text);

struct OptionsRead {
    bool opened = false;    // false when the file could not be opened or read
    bool tooLarge = false;  // it was not read because it is larger than io::kLargestDataFileBytes
    // One sentence per line whose number does not fit a single-precision value.
    QStringList problems;
};

// Reads the options file of the program folder into values 1, 2, 3, ...
// Given:   appFolder  folder holding "OPTIONS.OPT"
//          values     updated in place: line k gives entry k from its first seven characters
// Returns: whether the file was read, and any value that was refused
// Notes:   reading stops at the first empty line, after the twelfth line or at the end of the
//          file; entries whose lines were not read keep their values. A line of blanks is not
//          empty and gives 0. A refused value keeps the entry's old value.
OptionsRead ReadOptionsFile(const QString& appFolder, OptionValues& values);

}  // namespace velmaris::domain
