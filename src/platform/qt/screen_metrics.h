#pragma once

#include <QFont>
#include <QRect>
#include <QString>

namespace velmaris::platform {

// Twips in an inch: window layouts and drawing positions are given in twips.
inline constexpr double kTwipsPerInch = 1440.0;

// A window's client area or a control's place, in twips.
struct TwipsRect {
    double left, top, width, height;
};

// The screen as the windows are laid out on it.
class ScreenMetrics {
  public:
    virtual ~ScreenMetrics() = default;
    // Logical dots per inch, horizontally and vertically.
    [[nodiscard]] virtual double DpiX() const = 0;
    [[nodiscard]] virtual double DpiY() const = 0;
    // Width of the screen in logical pixels.
    [[nodiscard]] virtual int WidthPixels() const = 0;

    [[nodiscard]] double TwipsPerPixelX() const { return kTwipsPerInch / DpiX(); }
    [[nodiscard]] double TwipsPerPixelY() const { return kTwipsPerInch / DpiY(); }
    // Nearest whole pixel of a length or position in twips.
    [[nodiscard]] int PixelsX(double twips) const;
    [[nodiscard]] int PixelsY(double twips) const;
    // Nearest whole pixels of a place in twips.
    [[nodiscard]] QRect Pixels(const TwipsRect& place) const;
    // Twips of a length or position in pixels.
    [[nodiscard]] double TwipsX(int pixels) const { return pixels * TwipsPerPixelX(); }
    [[nodiscard]] double TwipsY(int pixels) const { return pixels * TwipsPerPixelY(); }
};

// The primary screen of the running application.
class QtScreenMetrics final : public ScreenMetrics {
  public:
    [[nodiscard]] double DpiX() const override;
    [[nodiscard]] double DpiY() const override;
    [[nodiscard]] int WidthPixels() const override;
};

// The fonts installed on the computer.
class FontCatalog {
  public:
    virtual ~FontCatalog() = default;
    // True when asking for the family gives a fixed-pitch font (the family itself or a
    // metric-compatible substitute the font configuration names for it).
    [[nodiscard]] virtual bool HasFixedPitchFont(const QString& family) const = 0;
};

class QtFontCatalog final : public FontCatalog {
  public:
    [[nodiscard]] bool HasFixedPitchFont(const QString& family) const override;
};

// A font of the family with the given style; fixed-pitch families fall back to the system's
// monospace font when missing.
[[nodiscard]] QFont FontOf(const QString& family, double pointSize, bool bold, bool italic);

}  // namespace velmaris::platform
