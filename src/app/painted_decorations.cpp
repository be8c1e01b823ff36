#include "app/painted_decorations.h"

#include <QFontMetricsF>

namespace velmaris::app {

std::vector<FrameLine> SunkenFrameLines(FrameRequest request, double twipsPerPixelX,
                                        double twipsPerPixelY) {
    std::vector<FrameLine> lines;
    const double left = request.left;
    const double top = request.top;
    const double right = request.right;
    const double bottom = request.bottom;

    const double px = twipsPerPixelX;
    const double frameWidth = request.frameWidth < px ? px : request.frameWidth;
    for (double k = px; k <= frameWidth; k += px) {
        lines.push_back({left - k, top - k, left - k, bottom + k, request.darkColor});
        lines.push_back({right + k, top - k, right + k, bottom + k, request.lightColor});
    }

    const double py = twipsPerPixelY;
    const double frameHeight = request.frameHeight < py ? py : request.frameHeight;
    for (double k = py; k <= frameHeight; k += py) {
        lines.push_back({left - k, top - k, right + k, top - k, request.darkColor});
        lines.push_back({left - k, bottom + k, right + k, bottom + k, request.lightColor});
    }
    return lines;
}

void DrawSunkenFrame(QPainter& painter, const FrameRequest& request,
                     const platform::ScreenMetrics& screen) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const FrameLine& line :
         SunkenFrameLines(request, screen.TwipsPerPixelX(), screen.TwipsPerPixelY())) {
        painter.setPen(QPen(line.color, 0));
        painter.drawLine(screen.PixelsX(line.x1), screen.PixelsY(line.y1), screen.PixelsX(line.x2),
                         screen.PixelsY(line.y2));
    }
    painter.restore();
}

void FrameControl(QPainter& painter, const QWidget& control,
                  const platform::ScreenMetrics& screen) {
    const QRect place = control.geometry();
    FrameRequest request;
    request.left = static_cast<int>(screen.TwipsX(place.x()));
    request.top = static_cast<int>(screen.TwipsY(place.y()));
    request.right = request.left + static_cast<int>(screen.TwipsX(place.width()));
    request.bottom = request.top + static_cast<int>(screen.TwipsY(place.height()));
    DrawSunkenFrame(painter, request, screen);
}

void DrawAboutTitle(QPainter& painter, const platform::ScreenMetrics& screen) {
    const QString title = QStringLiteral("VELMARIS");
    painter.save();
    QFont font = painter.font();
    font.setPointSizeF(kTitlePointSize);
    painter.setFont(font);
    // A print position is the top left corner of the text, as the window's print operation
    // places it; QPainter draws at the baseline.
    const double ascent = QFontMetricsF(font, painter.device()).ascent();
    const auto print = [&](double leftTwips, double topTwips) {
        painter.drawText(QPointF(leftTwips / screen.TwipsPerPixelX(),
                                 topTwips / screen.TwipsPerPixelY() + ascent),
                         title);
    };
    painter.setPen(Qt::black);
    for (int step = 0; step < kTitleShadowPrints; ++step) {
        print(kTitleLeftTwips + step, kTitleTopTwips + step);
    }
    painter.setPen(QColor(255, 255, 0));
    print(kTitleLeftTwips + kTitleShadowPrints, kTitleTopTwips + kTitleShadowPrints);
    painter.restore();
}

}  // namespace velmaris::app
