#include "model/chunk_window/chunk_texts.h"

#include "model/text/hex_text.h"

namespace tarnwick {

ChunkHeaderTexts MakeChunkHeaderTexts(const ChunkInfo& chunk)
{
    std::string id;
    for (char byte : chunk.IdBytes)
        id += ByteHex(static_cast<std::uint8_t>(byte)) + " ";
    const auto size = static_cast<std::uint32_t>(chunk.Size);
    return {
        chunk.Type, chunk.Label, Hex8(size).substr(4), id, Hex8(static_cast<std::uint32_t>(chunk.Position)),
    };
}

}  // namespace tarnwick
