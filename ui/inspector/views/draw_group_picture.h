#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>
#include <vector>

#include "model/container/chunk_table.h"
#include "model/decoders/draw_group_composite.h"

namespace tarnwick {

// The composite as a picture with its transparent background; null when it
// draws nothing.
[[nodiscard]] QImage CompositeToImage(const Composite& composite);

// An object's picture as the catalogue shows it: draw group `drawGroupId`'s
// image at the near zoom in the first rotation that draws something,
// composited as the game draws it. A null image, with the reasons in `why`,
// when the file has no such draw group or no rotation draws.
[[nodiscard]] QImage DrawGroupThumbnail(const ChunkTable& chunks, std::uint32_t drawGroupId,
                                        QString* why = nullptr);

// The model's lines as texts to show.
[[nodiscard]] QStringList PictureLines(const std::vector<std::string>& notes);

}  // namespace tarnwick
