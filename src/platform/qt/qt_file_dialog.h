#pragma once

#include "platform/file_dialog.h"

class QWidget;

namespace velmaris::platform {

// The desktop's save dialog, shown over a parent window (over the screen while there is none).
class QtFileDialog final : public FileDialog {
  public:
    explicit QtFileDialog(QWidget* parent = nullptr) : parent_(parent) {}
    [[nodiscard]] std::optional<QString> GetSaveFileName(const SaveDialogRequest& request) override;
    // The window the dialog belongs to, once it exists.
    void SetParent(QWidget* parent) { parent_ = parent; }

  private:
    QWidget* parent_;
};

}  // namespace velmaris::platform
