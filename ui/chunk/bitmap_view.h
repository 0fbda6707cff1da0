#pragma once

#include "model/container/chunk_table.h"
#include "ui/chunk/chunk_window.h"

namespace tarnwick {

// Shows the picture of a "BMP_" chunk, whose contents are a whole BMP file, in
// the display's picture box instead of its list. Returns false, with the box
// emptied, when the contents are no picture, so that the bytes get a dump.
bool ShowBitmap(ChunkWindow& window, const ChunkInfo& chunk);

}  // namespace tarnwick
