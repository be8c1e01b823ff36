#include "icon_render.h"

#include <QPainter>
#include <QSvgRenderer>

namespace velmaris::packaging {

QImage RenderIcon(const QByteArray& svg, int size, QString* error) {
    if (size < 1 || size > 4096) {
        *error = QStringLiteral("size %1 is not in 1..4096").arg(size);
        return {};
    }
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) {
        *error = QStringLiteral("not a drawing that can be read");
        return {};
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    return image;
}

}  // namespace velmaris::packaging
