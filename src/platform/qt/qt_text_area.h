#pragma once

#include "platform/text_area.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QWidget>

namespace velmaris::platform {

// The main window's text box as the text area of the data buffer.
class QtTextArea final : public TextArea {
  public:
    // The text box and the window whose minimised state counts; until then the area is treated
    // as minimised and keeps nothing.
    void Attach(QPlainTextEdit* text, QWidget* window) {
        text_ = text;
        window_ = window;
    }
    [[nodiscard]] bool IsMinimised() const override;
    void SetText(const QString& text) override;

  private:
    QPointer<QPlainTextEdit> text_;
    QPointer<QWidget> window_;
};

}  // namespace velmaris::platform
