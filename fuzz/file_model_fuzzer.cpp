// Any bytes as a game file: the walk, then for each chunk every text and
// decoder the windows use. Nothing to assert but no crash, hang, leak or
// sanitizer report.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/chunk_dump.h"
#include "model/chunk_loader.h"
#include "model/chunk_summary.h"
#include "model/hex_rows.h"
#include "model/palette.h"
#include "model/palette_choice.h"
#include "model/sprite.h"
#include "model/chunk_texts.h"
#include "model/chunk_walker.h"
#include "model/offset_view.h"
#include "model/resource_map.h"
#include "model/sprite_preview.h"
#include "model/string_table.h"
#include "model/text_table.h"

using namespace tarnwick;

namespace {

// The inspector's decoders, each fed every chunk's body whatever its type.
void InspectChunk(const ChunkInfo& chunk, const ChunkTable& chunks, std::size_t fileSize)
{
    (void)SummariseChunk(chunk, fileSize);
    const HexRows hex(chunk.Data, 0);
    if (hex.LineCount() > 0)
        (void)hex.Text(0, hex.LineCount() - 1 < 4 ? hex.LineCount() - 1 : 4);
    const ByteSpan body = ChunkBody(chunk);
    (void)DecodeTextTable(body);
    (void)DecodePalette(body);
    for (const auto& decoded : {DecodeOldSprite(body), DecodeSprite2(body)})
        if (decoded.value)
            for (const SpriteFrame& frame : decoded.value->frames)
                (void)ChoosePalette(chunks, ChunkId(chunk), *decoded.value, frame);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ByteString file(std::vector<std::uint8_t>(data, data + size));
    (void)ReadFileHeaderTexts(file.span());
    std::vector<std::uint32_t> box(117 * 105);  // the picture box's pixels
    ChunkWalker walker(file);
    ChunkTable chunks;
    for (std::size_t number = 1; auto chunk = walker.Next(); ++number) {
        (void)ChunkListLine(number, *chunk);
        (void)MakeChunkHeaderTexts(*chunk);
        // The first lines and the last, as a view shows them.
        const ChunkDump dump(*chunk);
        for (std::size_t line = 0; line < dump.LineCount() && line < 8; ++line)
            (void)dump.Line(line);
        (void)dump.Line(dump.LineCount() - 1);
        (void)DecodeStringTable(chunk->Data.span());
        const ResourceMap map = ParseResourceMap(chunk->Data.span());
        for (const SectionEntry& entry : map.Sections) {
            (void)MakeOffsetViewTexts(file.span(), entry.Offset);
            (void)FindSection(map.Sections, entry.Type, entry.Id);
        }
        for (const std::string& type : map.Types)
            (void)SectionIdsOfType(map.Sections, type);
        DrawSpritePreview(chunk->Data.Slice(kChunkHeaderSize, chunk->Data.size()).span(), {box, 117, 105, 117});
        chunks.Add(std::move(*chunk));
    }
    for (std::size_t i = 1; i <= chunks.Count(); ++i)
        InspectChunk(*chunks.Find(static_cast<std::int64_t>(i)), chunks, file.size());
    (void)walker.LeftChunksOut();
    return 0;
}
