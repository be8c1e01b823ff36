#pragma once

#include "platform/file_dialog.h"

class QWidget;

namespace velmaris::platform {

// The desktop's save dialog, owned by a parent window.
class QtFileDialog final : public FileDialog {
  public:
    explicit QtFileDialog(QWidget* parent) : parent_(parent) {}
    [[nodiscard]] std::optional<QString> GetSaveFileName(const SaveDialogRequest& request) override;

  private:
    QWidget* parent_;
};

}  // namespace velmaris::platform
