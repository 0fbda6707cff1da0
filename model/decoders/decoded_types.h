#pragma once

#include <span>
#include <string>
#include <string_view>

#include "model/container/chunk_table.h"

namespace tarnwick {

// What a decoder makes of one chunk, read as its view reads it (linked
// chunks, palettes, composites) but without drawing: a line that sums the
// contents up, or the reason it is shown as bytes.
struct ChunkReading {
    bool decoded = false;
    std::string line;
};

// A chunk type with a decoder of its own.
struct DecodedType {
    std::string_view type;
    ChunkReading (*read)(const ChunkInfo& chunk, const ChunkTable& chunks);
};

// Every decoded type, one row each. The inspector has a view for each row,
// and the fuzz target and the shared decoder test run every row.
[[nodiscard]] std::span<const DecodedType> DecodedTypes();

// The row of `type`, or nullptr for a type shown as bytes.
[[nodiscard]] const DecodedType* FindDecodedType(std::string_view type);

}  // namespace tarnwick
