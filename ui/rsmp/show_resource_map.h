#pragma once

#include "chunk_table.h"
#include "module1.h"

namespace tarnwick {

// Parses the "rsmp" chunk into the module's section table and browses it in the
// sections window, shown modally; returns true once the user has closed it.
bool ShowResourceMap(Module1& module, const ChunkInfo& chunk);

}  // namespace tarnwick
