#pragma once

#include <string>

#include "model/container/chunk_table.h"

namespace tarnwick {

// The five header fields of the chunk display.
struct ChunkHeaderTexts {
    std::string Type;
    std::string Name;
    std::string Size;     // the low 16 bits of the size: "004C"
    std::string Id;       // each identifier byte as "XX ": "00 00 00 01 "
    std::string Address;  // the 1-based position as eight hex digits
};

[[nodiscard]] ChunkHeaderTexts MakeChunkHeaderTexts(const ChunkInfo& chunk);

}  // namespace tarnwick
