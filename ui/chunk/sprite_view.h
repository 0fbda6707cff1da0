#pragma once

#include "model/container/chunk_table.h"
#include "ui/chunk/chunk_window.h"

namespace tarnwick {

// Previews a SPR# chunk's contents in the display's picture box, one pixel a
// byte; the list below shows the same bytes as a dump.
void ShowSprite(ChunkWindow& window, const ChunkInfo& chunk);

}  // namespace tarnwick
