#include "model/decoders/hex_rows.h"

#include "model/text/hex_text.h"

namespace tarnwick {

std::string HexRows::Line(std::size_t index) const
{
    const std::size_t start = index * kBytesPerLine;
    const ByteSpan bytes = ClampedSlice(chunk_.span(), start, kBytesPerLine);
    std::string line(8 + 2 + 8 + 2 + kBytesPerLine * 3 + 1 + bytes.size(), ' ');
    WriteHexDigits(line.data(), static_cast<std::uint32_t>(start), 8);
    WriteHexDigits(line.data() + 10, static_cast<std::uint32_t>(fileOffset_ + start), 8);
    char* hex = line.data() + 20;
    char* text = hex + kBytesPerLine * 3 + 1;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        WriteHexDigits(hex + i * 3, bytes[i], 2);
        text[i] = bytes[i] >= 32 && bytes[i] < 127 ? static_cast<char>(bytes[i]) : '.';
    }
    return line;
}

std::string HexRows::Text(std::size_t first, std::size_t last) const
{
    std::string text;
    for (std::size_t i = first; i <= last && i < LineCount(); ++i)
        text += Line(i) + '\n';
    return text;
}

}  // namespace tarnwick
