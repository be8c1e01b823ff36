#pragma once

#include "platform/message_boxes.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

namespace velmaris::platform {

// Icon of a message box for a message style: 16 critical, 48 warning, 64 information.
[[nodiscard]] QMessageBox::Icon IconForStyle(MessageStyle style);

// Modal Qt message boxes with one OK button, centred on the parent window when there is one.
class QtMessageBoxes final : public MessageBoxes {
  public:
    void SetParent(QWidget* parent) { parent_ = parent; }
    void Show(const QString& text, const QString& title, MessageStyle style) override;
    bool Ask(const QString& text, const QString& title) override;

  private:
    QPointer<QWidget> parent_;
};

}  // namespace velmaris::platform
