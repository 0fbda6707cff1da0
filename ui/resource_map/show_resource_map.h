#pragma once

#include "model/container/chunk_table.h"
#include "model/container/open_file.h"

namespace tarnwick {

// Parses the "rsmp" chunk and browses its sections in the sections window, shown
// modally; returns once the user has closed it.
void ShowResourceMap(const OpenFile& openFile, const ChunkInfo& chunk);

}  // namespace tarnwick
