#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

#include "model/container/byte_string.h"

namespace tarnwick {

// Writers for the inspector's "Save as". Each returns an empty text once the
// file is written, else the reason it is not. A file is replaced only when
// its new contents are complete, so a failed write loses nothing.
[[nodiscard]] QString SaveBytes(const QString& path, ByteSpan bytes);
[[nodiscard]] QString SaveText(const QString& path, const QString& text);  // as UTF-8
// As BMP when `path` ends in ".bmp", on white since a BMP has no transparency;
// as PNG otherwise.
[[nodiscard]] QString SaveImage(const QString& path, const QImage& image);

// The file names of the frames a folder receives: "<stem>-000.png" for frame
// 0 ... Blank frames have no picture and no file.
[[nodiscard]] QStringList FrameFileNames(const QString& stem, const std::vector<QImage>& frames);
[[nodiscard]] QString SaveFrames(const QString& folder, const QString& stem,
                                 const std::vector<QImage>& frames);

// The frames side by side on a transparent sheet, top-aligned.
[[nodiscard]] QImage SpriteSheet(const std::vector<QImage>& frames);

}  // namespace tarnwick
