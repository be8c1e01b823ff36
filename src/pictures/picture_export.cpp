#include "pictures/picture_export.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include <cmath>

namespace velmaris::pictures {

ExportResult ExportPng(const DisplayList& list, int widthPx, double devicePixelRatio) {
    if (widthPx < kMinPictureSize || widthPx > kMaxPictureSize) {
        return {{},
                QStringLiteral("Picture size %1 is outside %2..%3 pixels.")
                    .arg(widthPx)
                    .arg(kMinPictureSize)
                    .arg(kMaxPictureSize)};
    }
    if (list.size.isEmpty() || devicePixelRatio < 1.0 || devicePixelRatio > 4.0) {
        return {{}, QStringLiteral("Nothing to draw.")};
    }
    const double height = widthPx * list.size.height() / list.size.width();
    const QSize pixels(static_cast<int>(std::lround(widthPx * devicePixelRatio)),
                       static_cast<int>(std::lround(height * devicePixelRatio)));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        return {{}, QStringLiteral("Not enough memory for a picture of %1 pixels.").arg(widthPx)};
    }
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(list.background);
    {
        QPainter painter(&image);
        Paint(list, painter, QRectF(0.0, 0.0, widthPx, height));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        return {{}, QStringLiteral("The picture could not be encoded as PNG.")};
    }
    return {bytes, {}};
}

ExportResult ExportSvg(const DisplayList& list) {
    if (list.size.isEmpty()) {
        return {{}, QStringLiteral("Nothing to draw.")};
    }
    return {WriteSvg(list), {}};
}

bool IsPictureFileName(const QString& path) {
    return path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive) ||
           path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
}

io::WriteResult SavePictureFile(const DisplayList& list, const QString& path, int pngWidth) {
    const bool svg = path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
    const ExportResult picture = svg ? ExportSvg(list) : ExportPng(list, pngWidth);
    if (!picture.Ok()) {
        QString reason = picture.error;
        if (reason.endsWith(QLatin1Char('.'))) {
            reason.chop(1);
        }
        return {false, reason};
    }
    return io::WriteFileAtomically(path, picture.bytes);
}

}  // namespace velmaris::pictures
