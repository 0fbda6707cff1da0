#pragma once

#include <cstdint>
#include <string>

#include "model/container/byte_string.h"
#include "model/container/chunk_table.h"

namespace tarnwick {

// The open file and what was read from it: one instance for the program, shared
// by its windows. Tests make a fresh one.
struct OpenFile {
    std::string FilePath;
    ByteString FileData;
    ChunkTable Chunks;
};

}  // namespace tarnwick
