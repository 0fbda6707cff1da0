#include "model/decoders/linked_chunks.h"

#include "model/container/chunk_lookup.h"
#include "model/container/chunk_summary.h"
#include "model/container/chunk_types.h"
#include "model/decoders/small_tables.h"

namespace tarnwick {

std::optional<ByteSpan> LinkedBody(const ChunkTable& chunks, std::string_view type, std::uint32_t id)
{
    const ChunkInfo* chunk = chunks.Find(FindChunk(chunks, type, id));
    return chunk ? std::optional(ChunkBody(*chunk)) : std::nullopt;
}

std::optional<TextTable> LinkedTexts(const ChunkTable& chunks, std::string_view type, std::uint32_t id)
{
    std::optional<Decoded<TextTable>> texts = DecodeLinked(chunks, type, id, DecodeTextTable);
    return texts ? std::move(texts->value) : std::nullopt;
}

std::string SemiGlobalFileName(const ChunkTable& chunks)
{
    const ChunkInfo* chunk = chunks.Find(FindFirstChunk(chunks, chunk_type::kSemiGlobal));
    if (chunk == nullptr)
        return {};
    Decoded<GlobalName> global = DecodeGlobalName(ChunkBody(*chunk));
    return global.value ? std::move(global.value->name) : std::string();
}

}  // namespace tarnwick
