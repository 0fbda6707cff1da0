#pragma once

#include <QImage>
#include <QString>
#include <cstdint>

#include "model/container/chunk_table.h"
#include "model/decoders/draw_group_composite.h"

namespace tarnwick {

// The composite as a picture with its transparent background; null when it
// draws nothing.
[[nodiscard]] QImage CompositeToImage(const Composite& composite);

// An object's picture as the catalogue shows it: draw group `drawGroupId`'s
// image at the near zoom in the first rotation (0x01, else the first near
// image), composited as the game draws it. A null image, with the reason in
// `why`, when the file has no such draw group or it cannot be drawn.
[[nodiscard]] QImage DrawGroupThumbnail(const ChunkTable& chunks, std::uint32_t drawGroupId,
                                        QString* why = nullptr);

}  // namespace tarnwick
