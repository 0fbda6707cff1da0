#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "model/container/chunk_table.h"

namespace tarnwick {

// The 1-based number of the first chunk of this type and 16-bit ID, or 0 when
// the file has none (an ID above 65535 names no chunk).
[[nodiscard]] ChunkNumber FindChunk(const ChunkTable& chunks, std::string_view type, std::uint32_t id);

// The 1-based number of the first chunk of this type, or 0.
[[nodiscard]] ChunkNumber FindFirstChunk(const ChunkTable& chunks, std::string_view type);

}  // namespace tarnwick
