#pragma once

#include "model/chunk_table.h"
#include "ui/chunk/chunk_window.h"

namespace tarnwick {

// Previews a "SPR#" chunk's contents in the display's picture box, one pixel a
// byte, above the list. Returns false: the list shows the same bytes as a dump.
bool ShowSprite(Form2& form, const ChunkInfo& chunk);

}  // namespace tarnwick
