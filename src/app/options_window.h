#pragma once

#include "platform/message_boxes.h"
#include "platform/qt/screen_metrics.h"

#include <QDialog>

#include <functional>

class QPlainTextEdit;
class QPushButton;

namespace velmaris::app {

// The options editor: the options file as text, Save, Restore Default Settings and Quit.
// Not modal; closing it discards what was not saved.
class OptionsWindow : public QDialog {
    Q_OBJECT

  public:
    // optionsSaved runs after every successful Save, to read the options again.
    OptionsWindow(QString appFolder, std::function<void()> optionsSaved,
                  platform::MessageBoxes& messages, const platform::ScreenMetrics& screen,
                  QWidget* parent = nullptr);

    // Fills the text box from the file; false when the file cannot be read.
    bool Load();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void save();
    void restoreDefault();

    QString appFolder_;
    std::function<void()> optionsSaved_;
    platform::MessageBoxes& messages_;
    bool latin1_ = false;
    QPlainTextEdit* txtContent_ = nullptr;
    QPushButton* btnSave_ = nullptr;
    QPushButton* cmdRestoreDefault_ = nullptr;
    QPushButton* btnQuit_ = nullptr;
};

}  // namespace velmaris::app
