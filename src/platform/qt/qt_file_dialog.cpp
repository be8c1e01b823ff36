#include "platform/qt/qt_file_dialog.h"

#include <QDir>
#include <QFileDialog>

namespace velmaris::platform {

std::optional<QString> QtFileDialog::GetSaveFileName(const SaveDialogRequest& request) {
    QFileDialog dialog(parent_, QString(), request.initialFolder, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.selectFile(request.proposedName);
    // Asking before overwriting is the dialog's default; an existing folder is required by
    // AnyFile mode.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace velmaris::platform
