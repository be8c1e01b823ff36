#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace velmaris::domain {

inline const QString kOptionsMasterFileName = QStringLiteral("OPTIONS.MAS");

// Largest options file the editor opens, and the largest master copy that is copied over it.
// The supplied file holds about 3 KB; the editor's text box slows down sharply on long lines
// (a single line of 64 KB takes a tenth of a second to lay out, one of 1 MB many seconds).
inline constexpr qint64 kLargestEditedOptionsBytes = qint64{64} * 1024;

// Caption of the options editor.
inline const QString kOptionsEditorCaption = QStringLiteral("Edit: OPTIONS.OPT");

// The options file as the options editor shows it.
struct OptionsText {
    // Every line of the file followed by one "\n" (the editor's line break), so the text ends
    // with a line break after the last line.
    QString text;
    // True when the file is not valid UTF-8 and was read as Latin-1; it is written back the
    // same way, so that an unedited file keeps its bytes.
    bool latin1 = false;
};

// Whether the options file of the program folder can be opened for reading.
[[nodiscard]] bool OptionsFileExists(const QString& appFolder);

// Whether the options file is larger than the editor opens (kLargestEditedOptionsBytes).
[[nodiscard]] bool OptionsFileTooLargeToEdit(const QString& appFolder);

// Reads the options file for the editor. Lines end at CR LF, CR or LF.
// Returns: nothing when the file cannot be opened or read, or is too large to edit
[[nodiscard]] std::optional<OptionsText> LoadOptionsText(const QString& appFolder);

// Bytes the editor writes for its text.
// Given:   editorText  lines separated by "\n", as the editor holds them
//          latin1      write Latin-1 (when every character fits it) instead of UTF-8
// Returns: the text with CR LF line breaks; the line break that the loading added after the last
//          line is replaced by one CR LF; a text that does not end with a line break keeps all of
//          its characters and gets one CR LF; a text of fewer than two characters (after the
//          line breaks became CR LF) is written unchanged
[[nodiscard]] QByteArray OptionsFileBytes(const QString& editorText, bool latin1);

// Replaces the options file with the editor's text as a whole: on failure the old file stays.
// Returns: whether the file was written
bool SaveOptionsText(const QString& appFolder, const QString& editorText, bool latin1);

// Copies the master copy OPTIONS.MAS over the options file as a whole.
// Returns: whether the copy was made; on failure (also a master copy too large to edit) the
//          options file stays as it was
bool RestoreDefaultOptions(const QString& appFolder);

// What start-up found of the options file before reading it.
enum class OptionsFileState {
    Present,   // readable as it is
    Restored,  // it was missing or unreadable, and the master copy was put in its place
    Missing,   // missing or unreadable, and no master copy could be copied over it
};

// Makes sure the options file can be read at start-up, restoring it from its master copy when
// it cannot. A file that exists but cannot be read is replaced only when the master copy can
// be read.
[[nodiscard]] OptionsFileState EnsureOptionsFile(const QString& appFolder);

}  // namespace velmaris::domain
