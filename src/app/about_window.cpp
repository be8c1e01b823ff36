#include "app/about_window.h"

#include "app/painted_decorations.h"
#include "app/start_up.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace velmaris::app {
namespace {

// Client area and the version label, in twips.
constexpr double kClientWidth = 3255;
constexpr double kClientHeight = 2520;
constexpr platform::TwipsRect kLabel1{240, 2040, 2775, 255};
constexpr double kLabelPointSize = 8.25;

}  // namespace

AboutWindow::AboutWindow(const platform::ScreenMetrics& screen, QWidget* parent)
    : QDialog(parent), screen_(screen) {
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("About"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFixedSize(screen.PixelsX(kClientWidth), screen.PixelsY(kClientHeight));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    QFont windowFont = platform::FontOf(kTextFontName, font().pointSizeF(), true, false);
    setFont(windowFont);

    label1_ = new QLabel(QStringLiteral("Version  1.01"), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setGeometry(screen.Pixels(kLabel1));
    label1_->setAlignment(Qt::AlignCenter);
    QFont labelFont(QStringLiteral("Sans Serif"));
    labelFont.setStyleHint(QFont::SansSerif);
    labelFont.setPointSizeF(kLabelPointSize);
    labelFont.setBold(true);
    labelFont.setItalic(true);
    label1_->setFont(labelFont);
    QPalette labelPalette = label1_->palette();
    labelPalette.setColor(QPalette::WindowText, QColor(255, 0, 255));
    labelPalette.setColor(QPalette::Window, QColor(192, 192, 192));
    label1_->setPalette(labelPalette);
    label1_->setAutoFillBackground(true);
    // A click on the label closes the window too.
    label1_->setAttribute(Qt::WA_TransparentForMouseEvents);

    drawTitle();
}

void AboutWindow::drawTitle() {
    const qreal ratio = devicePixelRatioF();
    drawing_ = QPixmap(size() * ratio);
    drawing_.setDevicePixelRatio(ratio);
    drawing_.fill(palette().color(QPalette::Window));
    QPainter painter(&drawing_);
    painter.setFont(font());
    DrawAboutTitle(painter, screen_);
}

void AboutWindow::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, drawing_);
}

void AboutWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    close();
}

}  // namespace velmaris::app
