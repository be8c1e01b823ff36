#include "session/options_commands.h"

namespace velmaris::session {

using namespace domain;  // the options file and its editor's texts
using platform::MessageStyle;

std::optional<OptionsText> OptionsCommands::OpenEditor() {
    if (!MayShowEditor()) {
        return std::nullopt;
    }
    if (OptionsFileTooLargeToEdit(program_.AppFolder())) {
        messages_.Show(OptionsTooLargeToEditText(), kOptionsEditorMessageTitle,
                       MessageStyle::Exclamation);
        return std::nullopt;
    }
    std::optional<OptionsText> loaded = LoadOptionsText(program_.AppFolder());
    if (!loaded) {
        messages_.Show(kOptionsFileNotFoundText, kOptionsEditorMessageTitle,
                       MessageStyle::Information);
    }
    return loaded;
}

bool OptionsCommands::MayShowEditor() {
    if (OptionsFileExists(program_.AppFolder())) {
        return true;
    }
    messages_.Show(kOptionsFileNotFoundText, kOptionsEditorMessageTitle, MessageStyle::Information);
    return false;
}

bool OptionsCommands::Save(const QString& editorText, bool latin1) {
    if (!SaveOptionsText(program_.AppFolder(), editorText, latin1)) {
        messages_.Show(OptionsSaveFailedText(program_.AppFolder()), kOptionsEditorMessageTitle,
                       MessageStyle::Exclamation);
        return false;
    }
    program_.ReReadOptions();
    return true;
}

RestoredOptions OptionsCommands::RestoreDefault() {
    RestoredOptions restored;
    restored.copied = RestoreDefaultOptions(program_.AppFolder());
    if (restored.copied) {
        restored.text = LoadOptionsText(program_.AppFolder());
    }
    if (!restored.text) {
        messages_.Show(kOptionsRestoreFailedText, kOptionsEditorMessageTitle,
                       MessageStyle::Information);
    }
    return restored;
}

}  // namespace velmaris::session
