#pragma once

#include "options/options_editor.h"
#include "platform/message_boxes.h"
#include "session/program.h"

#include <QString>

#include <optional>

namespace velmaris::session {

// What Restore Default Settings did: whether the master copy replaced the options file, and
// the text read back from it (none when it could not be read).
struct RestoredOptions {
    bool copied = false;
    std::optional<domain::OptionsText> text;
};

// The options editor's commands. Each tells the user what went wrong; the window only shows
// the text and the outcome.
class OptionsCommands {
  public:
    OptionsCommands(Program& program, platform::MessageBoxes& messages)
        : program_(program), messages_(messages) {}

    // Options menu without an editor: the text for a new one; nothing when the file is
    // missing, too large to edit or unreadable, each told.
    [[nodiscard]] std::optional<domain::OptionsText> OpenEditor();
    // Options menu with an editor open: whether it may come to the front (the file is still
    // there; "File Not Found" is told when it is not).
    [[nodiscard]] bool MayShowEditor();
    // Save: replaces the options file with the text and reads the options again; on failure
    // the old file stays and the user is told.
    bool Save(const QString& editorText, bool latin1);
    // Restore Default Settings: the master copy in place of the options file, read back for
    // the editor; a failure at either step is told.
    [[nodiscard]] RestoredOptions RestoreDefault();

  private:
    Program& program_;
    platform::MessageBoxes& messages_;
};

}  // namespace velmaris::session
