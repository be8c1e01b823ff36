#pragma once

#include "platform/qt/screen_metrics.h"

#include <QColor>
#include <QPainter>
#include <QWidget>

#include <vector>

namespace velmaris::app {

// A sunken frame around a control; positions in twips.
struct FrameRequest {
    int left = 0;
    int top = 0;
    int right = 0;   // left + width
    int bottom = 0;  // top + height
    int frameWidth = 15;
    int frameHeight = 15;
    QColor darkColor{128, 128, 128};
    QColor lightColor{255, 255, 255};
};

// One straight line of a frame, from (x1, y1) to (x2, y2) in twips.
struct FrameLine {
    double x1, y1, x2, y2;
    QColor color;
    friend bool operator==(const FrameLine&, const FrameLine&) = default;
};

// Lines of a sunken frame: one ring per pixel of frame extent (at least one), outside the
// control; dark on the left and top, light on the right and bottom.
// Given:   twipsPerPixelX, twipsPerPixelY  the screen's pixel size in twips
// Returns: the left and right lines of each ring, then the top and bottom lines of each ring
[[nodiscard]] std::vector<FrameLine> SunkenFrameLines(FrameRequest request, double twipsPerPixelX,
                                                      double twipsPerPixelY);

// Draws a sunken frame on a window's painter; the painter works in pixels.
void DrawSunkenFrame(QPainter& painter, const FrameRequest& request,
                     const platform::ScreenMetrics& screen);

// Draws a sunken frame around a child control of the window being painted.
void FrameControl(QPainter& painter, const QWidget& control, const platform::ScreenMetrics& screen);

// The About window's title: "VELMARIS" printed 101 times in black, one twip further right and
// down each time, then once in yellow where the next print would stand.
// Given:   painter  paints on the window (pixels), with the window's font
//          screen   converts the twip positions
void DrawAboutTitle(QPainter& painter, const platform::ScreenMetrics& screen);

// Where the title starts and how its prints move, in twips.
inline constexpr double kTitleLeftTwips = 390;
inline constexpr double kTitleTopTwips = 75;
inline constexpr int kTitleShadowPrints = 101;
inline constexpr double kTitlePointSize = 24;

}  // namespace velmaris::app
