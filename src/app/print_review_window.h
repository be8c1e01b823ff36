#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace velmaris::session {
class OutputCommands;
}

namespace velmaris::app {

// "Data To Be Printed": shows the staged lines for review and editing; Print writes the edited
// text back to the staging file and prints it, Cancel closes the window. Not modal, and deleted
// when closed.
class PrintReviewWindow : public QDialog {
    Q_OBJECT

  public:
    explicit PrintReviewWindow(session::OutputCommands& output, QWidget* parent = nullptr);

    // Loads the staging file into the text box.
    void LoadStagedText();

    [[nodiscard]] bool LongLineFlag() const { return longLineFlag_; }

    // The text of the box with CR LF line ends, as it is written back before printing.
    [[nodiscard]] QString EditedText() const;

  private:
    void print();

    session::OutputCommands& output_;
    QPlainTextEdit* txtContent_ = nullptr;
    QPushButton* btnPrint_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
    QLabel* label1_ = nullptr;
    bool longLineFlag_ = false;
};

}  // namespace velmaris::app
