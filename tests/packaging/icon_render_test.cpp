#include "icon_render.h"

#include <gtest/gtest.h>

#include <QFile>

namespace velmaris::packaging {
namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// The smallest rectangle holding every pixel that is not fully transparent.
QRect OpaqueBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

TEST(IconRender, FillsEachSizeOnATransparentGround) {
    const QByteArray svg = ReadFile(QStringLiteral(VELMARIS_ICON_SVG));
    for (const int size : {16, 48, 128, 256}) {
        QString error;
        const QImage image = RenderIcon(svg, size, &error);
        ASSERT_FALSE(image.isNull()) << size << " " << error.toStdString();
        EXPECT_EQ(image.size(), QSize(size, size));
        // A round icon: the corners stay clear, the drawing reaches every edge.
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1), QPoint(size - 1, size - 1)}) {
            EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << size;
        }
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255) << size;
        const QRect bounds = OpaqueBounds(image);
        EXPECT_LE(bounds.left(), 1) << size;
        EXPECT_LE(bounds.top(), 1) << size;
        EXPECT_GE(bounds.right(), size - 2) << size;
        EXPECT_GE(bounds.bottom(), size - 2) << size;
    }
}

TEST(IconRender, RefusesWhatItCannotDraw) {
    const QByteArray svg = ReadFile(QStringLiteral(VELMARIS_ICON_SVG));
    struct Case {
        const char* name;
        QByteArray svg;
        int size;
    };
    const Case cases[] = {
        {"damaged drawing", ReadFile(QStringLiteral(VELMARIS_TEST_DATA_DIR "/damaged.svg")), 48},
        {"not a drawing", QByteArray("PNG"), 48},
        {"size 0", svg, 0},
        {"negative size", svg, -48},
        {"size past 4096", svg, 4097},
    };
    for (const Case& c : cases) {
        QString error;
        EXPECT_TRUE(RenderIcon(c.svg, c.size, &error).isNull()) << c.name;
        EXPECT_FALSE(error.isEmpty()) << c.name;
    }
}

}  // namespace
}  // namespace velmaris::packaging
