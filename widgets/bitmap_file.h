#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <span>

namespace tarnwick {

// Decodes the bytes of a Windows BMP file by writing them to the temporary
// file "temp.bmp" in `folder` and reading that back with the picture loader.
// The file is created new: when that name is taken or the folder cannot be
// written, a file of a unique name in the system's temporary folder serves
// instead. Either file is gone again when this returns, whatever happened.
// Bytes whose headers do not describe a picture that fits them give a null
// image without any file written; of the others only the bytes the headers
// describe are written. Bytes that do not decode as a BMP picture give a null
// image.
[[nodiscard]] QImage DecodeBitmapThroughFile(std::span<const std::uint8_t> bytes, const QString& folder);

// Decodes the bytes of a Windows BMP file in memory. A picture wider or taller
// than `maxSide` is not decoded, nor one whose rows the bytes cut short; a null
// image then comes with `problem` saying why.
[[nodiscard]] QImage DecodeBitmapInMemory(std::span<const std::uint8_t> bytes, int maxSide, QString& problem);

}  // namespace tarnwick
