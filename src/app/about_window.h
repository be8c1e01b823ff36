#pragma once

#include "platform/qt/screen_metrics.h"

#include <QDialog>
#include <QPixmap>

class QLabel;

namespace velmaris::app {

// The About window: the painted title, the version label; a click anywhere closes it.
class AboutWindow : public QDialog {
    Q_OBJECT

  public:
    AboutWindow(const platform::ScreenMetrics& screen, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    // The drawing is made once and kept, so that it survives every repaint.
    void drawTitle();

    const platform::ScreenMetrics& screen_;
    QLabel* label1_ = nullptr;
    QPixmap drawing_;
};

}  // namespace velmaris::app
