#pragma once

#include <QString>

namespace velmaris::platform {

// The main window's text area that shows the current page of the data buffer.
class TextArea {
  public:
    virtual ~TextArea() = default;
    // True while the main window is minimised (its client area has no height).
    [[nodiscard]] virtual bool IsMinimised() const = 0;
    // Replaces the whole text; the view starts at the first line.
    virtual void SetText(const QString& text) = 0;
};

}  // namespace velmaris::platform
