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

TEST(IconRender, FillsEachSizeOnATransparentGround) {
    const QByteArray svg = ReadFile(QStringLiteral(VELMARIS_ICON_SVG));
    for (const int size : {16, 48, 128, 256}) {
        QString error;
        const QImage image = RenderIcon(svg, size, &error);
        ASSERT_EQ(image.size(), QSize(size, size)) << error.toStdString();
        // A round icon: the corners stay clear, the drawing reaches the middle of every edge,
        // the middle is solid.
        const int last = size - 1, mid = size / 2;
        const auto alpha = [&](int x, int y) { return qAlpha(image.pixel(x, y)); };
        EXPECT_EQ(alpha(0, 0) + alpha(last, 0) + alpha(0, last) + alpha(last, last), 0) << size;
        EXPECT_TRUE(alpha(mid, 1) && alpha(1, mid) && alpha(last - 1, mid) && alpha(mid, last - 1))
            << size;
        EXPECT_EQ(alpha(mid, mid), 255) << size;
    }
}

TEST(IconRender, RefusesWhatItCannotDraw) {
    const QByteArray svg = ReadFile(QStringLiteral(VELMARIS_ICON_SVG));
    const std::pair<QByteArray, int> cases[] = {
        {ReadFile(QStringLiteral(VELMARIS_TEST_DATA_DIR "/damaged.svg")), 48},
        {"not a drawing", 48},
        {svg, 0},
        {svg, -48},
        {svg, 4097},
    };
    for (const auto& [drawing, size] : cases) {
        QString error;
        // Refused with a reason.
        EXPECT_TRUE(RenderIcon(drawing, size, &error).isNull() && !error.isEmpty())
            << size << " " << drawing.left(40).data();
    }
}

}  // namespace
}  // namespace velmaris::packaging
