#pragma once

#include "pictures/display_list.h"

#include "io/atomic_write.h"

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

// Whether a file name ends in .svg or .png (in any letter case), the forms a picture is saved in.
[[nodiscard]] bool IsPictureFileName(const QString& path);

// Writes the picture to `path` in one step, as SVG when the name ends in .svg and as PNG
// `pngWidth` pixels wide otherwise; the file is left as it was when anything fails.
io::WriteResult SavePictureFile(const DisplayList& list, const QString& path, int pngWidth);

}  // namespace velmaris::pictures
