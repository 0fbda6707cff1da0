#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/container/byte_string.h"
#include "model/container/chunk_table.h"
#include "model/decoders/decoded.h"
#include "model/decoders/text_table.h"

namespace tarnwick {

// Chunks reached through a link: a type and an ID named by another chunk.

// The body of chunk TYPE ID, or nothing when the file has none.
[[nodiscard]] std::optional<ByteSpan> LinkedBody(const ChunkTable& chunks, std::string_view type,
                                                 std::uint32_t id);

// Chunk TYPE ID read by `decode`: nothing when the file has none, and the
// decoder's declined line when the chunk cannot be read.
template <typename Value>
[[nodiscard]] std::optional<Decoded<Value>> DecodeLinked(const ChunkTable& chunks, std::string_view type,
                                                         std::uint32_t id, Decoded<Value> (*decode)(ByteSpan))
{
    const std::optional<ByteSpan> body = LinkedBody(chunks, type, id);
    if (!body)
        return std::nullopt;
    return decode(*body);
}

// The string table TYPE ID ("CTSS", "TTAs", "STR#"), or nothing when the file
// has none that reads.
[[nodiscard]] std::optional<TextTable> LinkedTexts(const ChunkTable& chunks, std::string_view type,
                                                   std::uint32_t id);

// The name of the semi-global file that the file's first "GLOB" names, as
// stored (Windows-1252), or "" when there is none that reads.
[[nodiscard]] std::string SemiGlobalFileName(const ChunkTable& chunks);

}  // namespace tarnwick
