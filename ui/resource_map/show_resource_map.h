#pragma once

#include "model/chunk_table.h"
#include "model/open_file.h"

namespace tarnwick {

// Parses the "rsmp" chunk into the openFile's section table and browses it in the
// sections window, shown modally; returns true once the user has closed it.
bool ShowResourceMap(OpenFile& openFile, const ChunkInfo& chunk);

}  // namespace tarnwick
