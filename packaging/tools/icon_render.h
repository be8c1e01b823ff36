// Renders the program's SVG icon into square bitmaps for the icon theme's fixed sizes.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace velmaris::packaging {

// The drawing scaled to size x size pixels on a transparent background, in premultiplied ARGB.
// A null image, with the reason in error, when the SVG cannot be read or size is not in 1..4096.
QImage RenderIcon(const QByteArray& svg, int size, QString* error);

}  // namespace velmaris::packaging
