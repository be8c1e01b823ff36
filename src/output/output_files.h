#pragma once

#include "calendar/calendar.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace velmaris::domain {

inline const QString kStagingFileName = QStringLiteral("PRNTFILE.XXX");

// Name proposed in the save dialog: the date as eight digits in the user's date order
// (mmddyyyy for order 0, ddmmyyyy for 1, yyyymmdd for 2) and ".TXT".
// Given:   year, month, day  the chosen date of start-up (not the day last reported)
[[nodiscard]] QString ProposedSaveFileName(int year, int month, int day, DateOrder dateOrder);

// Contents of a saved report file: every line of the buffer and the empty line after the last
// one, each ended by CR LF; a form-feed line after every (pageLength - 1)-th buffer line,
// counting from line 1; and a form-feed line at the end.
// Given:   lines       the whole buffer
//          pageLength  option value 11; the divisor is pageLength - 1 rounded to the nearest
//                      whole number. A divisor of 0 or less (a page length of 1 or less)
//                      writes no form feeds between pages.
[[nodiscard]] QByteArray SavedBufferBytes(const QStringList& lines, double pageLength);

// Contents of the print staging file: every line and the empty line after the last one, each
// ended by CR LF.
[[nodiscard]] QByteArray StagingFileBytes(const QStringList& lines);

// The staged text as the review window shows it, and whether any line is longer than the
// longest line printed at the larger size.
struct StagedText {
    bool readable = false;
    QString text;  // every line followed by CR LF
    bool longLineFlag = false;
};

// Reads the staging file for the review window.
// Given:   path           the staging file
//          longestLine    option value 12: a longer line sets longLineFlag
[[nodiscard]] StagedText LoadStagedText(const QString& path, double longestLine);

// The staged text as the review box holds it: one line per staged line, "\n" between them; the
// last line end is left off, since the box would show it as one more empty line.
[[nodiscard]] QString ReviewBoxText(const QString& stagedText);

// The review box's text as it is printed: CR LF after every line, the last one included.
[[nodiscard]] QString TextFromReviewBox(const QString& boxText);

}  // namespace velmaris::domain
