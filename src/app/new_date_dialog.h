#pragma once

#include "calendar/new_date.h"
#include "platform/qt/screen_metrics.h"

#include <QDialog>
#include <QLineEdit>

#include <functional>

class QLabel;
class QPushButton;

namespace velmaris::app {

// Whether a key press that produces this text may reach a date field: digits and backspace
// do, any other printable character is discarded. Key presses without text (arrows, Delete)
// and control characters (Tab, Enter, Escape, the clipboard shortcuts) are not characters the
// filter judges, so they keep their usual meaning and pasted text is not filtered.
[[nodiscard]] bool IsTypedCharacterAccepted(const QString& text);

// A date field: the key filter above, and its whole text selected when it receives focus.
class DateField : public QLineEdit {
    Q_OBJECT

  public:
    using QLineEdit::QLineEdit;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};

// The New Date dialog: month, day and year of the next reported day.
class NewDateDialog : public QDialog {
    Q_OBJECT

  public:
    // Takes the fields; returns true when they were accepted (the dialog then closes), false
    // when they were refused (the reason has been shown and the dialog stays open).
    using AcceptFields =
        std::function<bool(const QString& month, const QString& day, const QString& year)>;

    NewDateDialog(const domain::NewDateFields& start, AcceptFields acceptFields,
                  const platform::ScreenMetrics& screen, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void ok();

    const platform::ScreenMetrics& screen_;
    AcceptFields acceptFields_;
    QLabel* lblMonth_ = nullptr;
    QLabel* lblDay_ = nullptr;
    QLabel* lblYear_ = nullptr;
    DateField* txtMonth_ = nullptr;
    DateField* txtDay_ = nullptr;
    DateField* txtYear_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
};

}  // namespace velmaris::app
