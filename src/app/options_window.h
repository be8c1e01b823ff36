#pragma once

#include "platform/qt/screen_metrics.h"
#include "session/options_commands.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace velmaris::app {

// The options editor: the options file as text, Save, Restore Default Settings and Quit.
// Not modal; closing it discards what was not saved.
class OptionsWindow : public QDialog {
    Q_OBJECT

  public:
    // Opens on the text of the options file; its buttons forward to the commands.
    OptionsWindow(session::OptionsCommands& commands, const domain::OptionsText& text,
                  const platform::ScreenMetrics& screen, QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void save();
    void restoreDefault();

    void showText(const domain::OptionsText& text);

    session::OptionsCommands& commands_;
    bool latin1_ = false;
    QPlainTextEdit* txtContent_ = nullptr;
    QPushButton* btnSave_ = nullptr;
    QPushButton* cmdRestoreDefault_ = nullptr;
    QPushButton* btnQuit_ = nullptr;
};

}  // namespace velmaris::app
