#include "platform/qt/screen_metrics.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace velmaris::platform {
namespace {

// Qt's usual logical DPI when there is no screen at all.
constexpr double kFallbackDpi = 96.0;

}  // namespace

int ScreenMetrics::PixelsX(double twips) const {
    return static_cast<int>(std::lround(twips / TwipsPerPixelX()));
}

int ScreenMetrics::PixelsY(double twips) const {
    return static_cast<int>(std::lround(twips / TwipsPerPixelY()));
}

QRect ScreenMetrics::Pixels(const TwipsRect& place) const {
    return {PixelsX(place.left), PixelsY(place.top), PixelsX(place.width), PixelsY(place.height)};
}

double QtScreenMetrics::DpiX() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInchX() : kFallbackDpi;
}

double QtScreenMetrics::DpiY() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInchY() : kFallbackDpi;
}

int QtScreenMetrics::WidthPixels() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().width() : 0;
}

bool QtFontCatalog::HasFixedPitchFont(const QString& family) const {
    QFont font(family);
    font.setStyleHint(QFont::TypeWriter, QFont::PreferMatch);
    const QFontInfo info(font);
    // A substitute counts only when it is fixed-pitch; a proportional fallback would spoil the
    // columns of the report.
    return info.fixedPitch();
}

QFont FontOf(const QString& family, double pointSize, bool bold, bool italic) {
    QFont font(family);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

}  // namespace velmaris::platform
