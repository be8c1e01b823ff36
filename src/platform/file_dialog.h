#pragma once

#include <QString>

#include <optional>

namespace velmaris::platform {

// What the save dialog is opened with.
struct SaveDialogRequest {
    QString initialFolder;
    QString proposedName;   // file name only
    QString filter;         // e.g. "Data Files (*.TXT)"
    QString defaultSuffix;  // added when the user types a name without one, e.g. "TXT"
};

// The system's save-file dialog. It asks before an existing file is overwritten and only
// accepts a folder that exists.
class FileDialog {
  public:
    virtual ~FileDialog() = default;
    // The chosen path, or nothing when the user cancelled.
    [[nodiscard]] virtual std::optional<QString> GetSaveFileName(
        const SaveDialogRequest& request) = 0;
};

}  // namespace velmaris::platform
