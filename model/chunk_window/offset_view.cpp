#include "model/chunk_window/offset_view.h"

#include "model/text/hex_text.h"

namespace tarnwick {

namespace {

constexpr std::size_t kLineBytes = 16;

std::string TrimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

}  // namespace

OffsetViewTexts MakeOffsetViewTexts(ByteSpan file, std::int64_t fileOffset)
{
    OffsetViewTexts texts;
    if (fileOffset < 0 || static_cast<std::uint64_t>(fileOffset) >= file.size())
        return texts;
    const auto start = static_cast<std::size_t>(fileOffset);

    for (std::size_t line = 0; line < kOffsetViewLines; ++line) {
        const ByteSpan bytes = ClampedSlice(file, start + line * kLineBytes, kLineBytes);
        if (bytes.empty())
            break;
        // HexLine puts three characters a byte first and one a byte last.
        const std::string full = HexLine(bytes, Direction::Forward);
        texts.HexText += TrimBlanks(std::string_view(full).substr(0, 3 * bytes.size())) + '\r';
        texts.CharacterText += TrimBlanks(std::string_view(full).substr(full.size() - bytes.size())) + '\r';
    }
    for (std::uint8_t byte : ClampedSlice(file, start, kOffsetViewRunBytes))
        texts.ValueRun += ShortByteHex(byte);
    return texts;
}

}  // namespace tarnwick
