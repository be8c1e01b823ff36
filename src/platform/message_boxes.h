#pragma once

#include <QString>

namespace velmaris::platform {

// Icon styles of a message box with one OK button. The numbers are the style values the
// program's messages are defined with.
enum class MessageStyle : int {
    Critical = 16,     // stop icon
    Exclamation = 48,  // exclamation icon
    Information = 64,  // information icon
};

// Shows a modal message with one OK button and returns when the user has closed it.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    virtual void Show(const QString& text, const QString& title, MessageStyle style) = 0;
};

}  // namespace velmaris::platform
