#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/byte_string.h"
#include "model/chunk_table.h"
#include "model/resource_map.h"

namespace tarnwick {

// The open file and what was read from it: one instance for the program, shared
// by its windows. Tests make a fresh one.
struct OpenFile {
    std::string FilePath;
    ByteString FileData;
    ChunkTable Chunks;
    std::vector<SectionEntry> Sections;  // the last resource map parsed, for its browser
};

}  // namespace tarnwick
