#pragma once

#include "pictures/display_list.h"

#include <QByteArray>
#include <QString>

namespace velmaris::pictures {

inline constexpr int kMinPictureSize = 200;
inline constexpr int kMaxPictureSize = 10000;
inline constexpr int kDefaultPictureSize = 1000;

struct ExportResult {
    QByteArray bytes;
    QString error;  // empty when `bytes` holds the picture
    [[nodiscard]] bool Ok() const { return error.isEmpty(); }
};

// PNG `widthPx` pixels wide (the height in proportion), drawn at `devicePixelRatio` so that
// a ratio of 2 gives twice the pixels with the same layout.
ExportResult ExportPng(const DisplayList& list, int widthPx = kDefaultPictureSize,
                       double devicePixelRatio = 1.0);

ExportResult ExportSvg(const DisplayList& list);

}  // namespace velmaris::pictures
