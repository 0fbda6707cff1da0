#include "model/chunk_window/string_lines.h"

#include <cstdint>

#include "model/container/chunk_table.h"

namespace tarnwick {

namespace {

constexpr std::size_t kFormatCodeAt = kChunkHeaderSize;   // chunk byte 77
constexpr std::size_t kCountAt = kChunkHeaderSize + 2;    // chunk byte 79
constexpr std::size_t kStringsAt = kChunkHeaderSize + 3;  // chunk byte 80

}  // namespace

std::optional<std::vector<std::string>> DecodeStringTable(ByteSpan chunk)
{
    if (chunk.size() <= kCountAt)
        return std::nullopt;
    const std::uint8_t format = chunk[kFormatCodeAt];
    if (format < 253)
        return std::nullopt;
    // The terminator both marks where a string starts and ends it; with 253 a 0
    // ends a string as well.
    const std::uint8_t terminator = format == 253 ? 1 : 0;
    const std::size_t count = chunk[kCountAt];

    std::vector<std::string> lines;
    std::size_t at = kStringsAt;
    for (std::size_t number = 1; number <= count; ++number) {
        while (at < chunk.size() && chunk[at] != terminator)
            ++at;
        if (at >= chunk.size())
            break;
        const std::size_t start = ++at;
        while (at < chunk.size() && chunk[at] != terminator && chunk[at] != 0)
            ++at;
        lines.push_back(std::to_string(number) + ":" + BytesAsText(chunk.subspan(start, at - start)));
    }
    return lines;
}

}  // namespace tarnwick
