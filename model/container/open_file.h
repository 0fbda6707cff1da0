#pragma once

#include <cstdint>
#include <string>

#include "model/container/byte_string.h"
#include "model/container/chunk_table.h"

namespace tarnwick {

// The open file and what was read from it: one instance for the program, shared
// by its windows. Tests make a fresh one.
struct OpenFile {
    std::string FilePath;    // a loose file, or the archive that holds the member shown
    std::string MemberName;  // the member's stored name; empty for a loose file
    ByteString FileData;
    ChunkTable Chunks;
};

}  // namespace tarnwick
