#include "model/container/chunk_walker.h"

#include <algorithm>

#include "model/container/byte_reader.h"

namespace tarnwick {

namespace {

constexpr std::size_t kSizeFieldEnd = 8;  // type code and size field
constexpr std::size_t kLabelOffset = 12;
constexpr std::size_t kLabelLength = 64;

std::string LabelText(ByteSpan field)
{
    const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
    return {field.begin(), end};
}

}  // namespace

bool ChunkWalker::ChunkStartsAt(std::int64_t offset) const
{
    return offset + static_cast<std::int64_t>(kSizeFieldEnd) <= static_cast<std::int64_t>(file_.size());
}

std::optional<ChunkInfo> ChunkWalker::Next()
{
    if (ended_ || recorded_ >= kMaxKeptChunks || !ChunkStartsAt(offset_))
        return std::nullopt;

    const auto at = static_cast<std::size_t>(offset_);
    const ByteSpan bytes = file_.span();
    ChunkInfo chunk;
    chunk.Position = static_cast<std::int32_t>(offset_ + 1);
    chunk.Type = BytesAsText(bytes.subspan(at, 4));
    chunk.Size = ByteReader(bytes, at + 4).I32be().value_or(0);  // in the file, as Next's check said
    chunk.IdBytes = BytesAsText(ClampedSlice(bytes, at + 8, 4));
    chunk.Id = ByteReader(bytes, at + 8).U16be().value_or(0);
    chunk.Flags = ByteReader(bytes, at + 10).U16be().value_or(0);
    chunk.Label = LabelText(ClampedSlice(bytes, at + kLabelOffset, kLabelLength));

    if (chunk.Size < 0) {
        chunk.Data = file_.Slice(at, kChunkHeaderSize);
        ended_ = true;
    } else {
        chunk.Data = file_.Slice(at, static_cast<std::size_t>(chunk.Size));
        offset_ += chunk.Size;
    }
    ++recorded_;
    // Past the listed chunks a chunk smaller than its header ends the walk: a
    // size of 0 would record the same chunk for ever, and tiny sizes would
    // crawl through a large file a few bytes at a time.
    if (recorded_ > kMaxChunks && chunk.Size < static_cast<std::int32_t>(kChunkHeaderSize))
        ended_ = true;
    return chunk;
}

std::string ChunkListLine(std::size_t number, const ChunkInfo& chunk)
{
    return std::to_string(number) + ": " + chunk.Type + " [" + chunk.Label + "]";
}

}  // namespace tarnwick
