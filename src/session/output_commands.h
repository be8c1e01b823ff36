#pragma once

#include <QString>

#include "output/output_files.h"
#include "platform/file_dialog.h"
#include "platform/message_boxes.h"
#include "platform/printer.h"
#include "session/program.h"

namespace velmaris::session {

using domain::StagedText;

inline const QString kSaveFilter = QStringLiteral("Data Files (*.TXT)");
inline const QString kSaveDefaultSuffix = QStringLiteral("TXT");

// The commands that write the buffer out: Save (and Save As, which is the same), the two print
// commands that stage lines for the review window, and the review window's Print button.
class OutputCommands {
  public:
    OutputCommands(Program& program, platform::MessageBoxes& messages, platform::FileDialog& dialog,
                   platform::Printer& printer)
        : program_(program), messages_(messages), dialog_(dialog), printer_(printer) {}

    // Save and Save As: asks for a name (proposed from the start-up date) and writes the whole
    // buffer. An empty buffer, a failed write and a cancelled dialog each end the command; the
    // first two say so.
    void Save();

    // Print page: stages the page on screen; false (quietly) when the page is empty.
    bool StagePage();
    // Print data: stages the whole buffer; false, with a message, when it is empty.
    bool StageData();

    // Path of the staging file in the program folder.
    [[nodiscard]] QString StagingFilePath() const;

    // The staged text for the review window; a staging file that cannot be read is reported
    // and gives an empty text.
    [[nodiscard]] StagedText LoadStagedText();

    // Print button: writes the (edited) text back to the staging file, then prints it line by
    // line. Returns whether it was printed (to a printer or, without one, to a PDF file).
    bool PrintStagedText(const QString& text, bool longLineFlag);

  private:
    bool Stage(const QStringList& lines);

    Program& program_;
    platform::MessageBoxes& messages_;
    platform::FileDialog& dialog_;
    platform::Printer& printer_;
};

}  // namespace velmaris::session
