#pragma once

#include <QString>
#include <QTextStream>

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
    // Asks a question with Yes and No buttons; true for Yes. Where nobody can answer, the
    // question is shown as a message and the answer is No.
    virtual bool Ask(const QString& text, const QString& title) {
        Show(text, title, MessageStyle::Exclamation);
        return false;
    }
};

// Writes each message as a line "title text" to a stream instead of showing it, for runs
// without anyone at the screen; remembers whether anything above information was said.
class StreamMessageBoxes final : public MessageBoxes {
  public:
    explicit StreamMessageBoxes(QTextStream& out) : out_(out) {}
    void Show(const QString& text, const QString& title, MessageStyle style) override {
        out_ << title << ' ' << text << '\n';
        out_.flush();
        failed_ = failed_ || style != MessageStyle::Information;
    }
    [[nodiscard]] bool Failed() const { return failed_; }

  private:
    QTextStream& out_;
    bool failed_ = false;
};

}  // namespace velmaris::platform
