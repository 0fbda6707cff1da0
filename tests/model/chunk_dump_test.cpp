// The chunk display's texts: header fields and the hex dump.
#include "model/chunk_window/chunk_dump.h"

#include <gtest/gtest.h>

#include "model/chunk_window/chunk_texts.h"
#include "synth/iff_builder.h"

namespace tarnwick {
namespace {

using fixtures::Bytes;
using fixtures::ToBytes;
using Lines = std::vector<std::string>;

// The first chunk of a file, at position 65: a header of 76 bytes, then `contents`.
ChunkInfo FirstChunk(const Bytes& contents)
{
    return {"DATA", "", 0, "", ByteString(fixtures::Concat({Bytes(76, 0), contents})), 65};
}

Lines DumpLines(const ChunkInfo& chunk)
{
    const ChunkDump dump(chunk);
    Lines lines;
    for (std::size_t i = 0; i < dump.LineCount(); ++i)
        lines.push_back(dump.Line(i));
    return lines;
}

TEST(ChunkDump, LaysOutSixteenBytesALine)
{
    const std::string fullLine =
        "0000008C: 41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50   ABCDEFGHIJKLMNOP";
    const struct {
        const char* name;
        ChunkInfo chunk;
        Lines lines;
    } rows[] = {
        {"no contents leave the address alone", FirstChunk({}), {"0000008C: " + std::string(50, ' ')}},
        {"one byte pads the hex column to 50",
         FirstChunk({'A'}),
         {"0000008C: 41" + std::string(48, ' ') + "A"}},
        {"sixteen bytes fill one line", FirstChunk(ToBytes("ABCDEFGHIJKLMNOP")), {fullLine}},
        {"a seventeenth byte starts a line 16 further on",
         FirstChunk(ToBytes("ABCDEFGHIJKLMNOPQ")),
         {fullLine, "0000009C: 51" + std::string(48, ' ') + "Q"}},
        {"only 32..126 show as characters",
         FirstChunk({0x1F, 0x20, 0x7E, 0x7F, 0xFF}),
         {"0000008C: 1F 20 7E 7F FF" + std::string(36, ' ') + ". ~.."}},
        {"a whole line shows its characters as a short one does",
         FirstChunk({0x00, 0x1F, 0x20, 0x41, 0x7E, 0x7F, 0x80, 0x9F, 0xA0, 0xC1, 0xFE, 0xFF, 0x2E, 0x30, 0x39,
                     0x61}),
         {"0000008C: 00 1F 20 41 7E 7F 80 9F A0 C1 FE FF 2E 30 39 61   .. A~........09a"}},
        {"a chunk cut inside its header has its address alone",  // 0x96 + 76 = 0xE2
         {"B___", "", 256, "", ByteString(Bytes(11, 0)), 0x97},
         {"000000E2: " + std::string(50, ' ')}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(DumpLines(row.chunk), row.lines) << row.name;
}

// Whole lines are formatted sixteen bytes at once: every byte value in every
// place of a line must come out as it does alone.
TEST(ChunkDump, WholeLinesShowEveryByteInEveryPlace)
{
    Bytes contents;
    for (int line = 0; line < 256; ++line)
        for (int place = 0; place < 16; ++place)
            contents.push_back(static_cast<std::uint8_t>(line + place * 17));
    const Lines lines = DumpLines(FirstChunk(contents));
    ASSERT_EQ(lines.size(), 256u);
    for (std::size_t i = 0; i < contents.size(); ++i) {
        const std::uint8_t byte = contents[i];
        const std::string alone = DumpLines(FirstChunk({byte}))[0];
        const std::string& line = lines[i / 16];
        EXPECT_EQ(line.substr(10 + 3 * (i % 16), 2), alone.substr(10, 2)) << "byte " << int{byte};
        EXPECT_EQ(line[60 + i % 16], alone[60]) << "byte " << int{byte} << " in place " << i % 16;
    }
}

TEST(ChunkHeaderTexts, FormatEachField)
{
    // Only the low 16 bits of the size are shown, of a negative one too.
    const ChunkInfo chunk = {"STR#", "Names", static_cast<std::int32_t>(0xFFFF0010u), "\x01\x02\xA0\xFF",
                             {},     65};
    const ChunkHeaderTexts texts = MakeChunkHeaderTexts(chunk);
    EXPECT_EQ(texts.Type, "STR#");
    EXPECT_EQ(texts.Name, "Names");
    EXPECT_EQ(texts.Size, "0010");
    EXPECT_EQ(texts.Id, "01 02 A0 FF ");
    EXPECT_EQ(texts.Address, "00000041");
}

}  // namespace
}  // namespace tarnwick
