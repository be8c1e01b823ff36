#pragma once

#include <QString>
#include <QStringList>

namespace velmaris::domain {

inline const QString kPrintFontFamily = QStringLiteral("Courier New");
inline constexpr int kPrintPointSize = 12;
inline constexpr int kPrintPointSizeForLongLines = 10;

// Splits the lines to print into pages.
// Given:   lines          the lines in order
//          linesPerPage   option value 11's neighbour 10: a new page starts after every this
//                         many lines; a value that no line count equals (0 or less, or not a
//                         whole number) never starts one
//          linesPerSheet  how many lines fit on the paper; a full sheet always starts a new
//                         page, so no line falls off the paper (0 or less: no limit)
// Returns: the pages; never an empty page after the last line.
[[nodiscard]] QList<QStringList> PaginateLines(const QStringList& lines, double linesPerPage,
                                               int linesPerSheet);

// Point size of the print-out: the larger one unless a staged line was too long for it.
[[nodiscard]] constexpr int PrintPointSize(bool longLineFlag) {
    return longLineFlag ? kPrintPointSizeForLongLines : kPrintPointSize;
}

}  // namespace velmaris::domain
