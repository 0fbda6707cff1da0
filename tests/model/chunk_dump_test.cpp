// The chunk display's texts: header fields and the hex dump.
#include "chunk_dump.h"

#include <gtest/gtest.h>

#include "chunk_texts.h"
#include "iff_builder.h"

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
    const std::string fullLine = "0000008C: 41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50   ABCDEFGHIJKLMNOP";
    const struct {
        const char* name;
        ChunkInfo chunk;
        Lines lines;
    } rows[] = {
        {"no contents leave the address alone", FirstChunk({}), {"0000008C: " + std::string(50, ' ')}},
        {"one byte pads the hex column to 50", FirstChunk({'A'}), {"0000008C: 41" + std::string(48, ' ') + "A"}},
        {"sixteen bytes fill one line", FirstChunk(ToBytes("ABCDEFGHIJKLMNOP")), {fullLine}},
        {"a seventeenth byte starts a line 16 further on", FirstChunk(ToBytes("ABCDEFGHIJKLMNOPQ")),
         {fullLine, "0000009C: 51" + std::string(48, ' ') + "Q"}},
        {"only 32..126 show as characters", FirstChunk({0x1F, 0x20, 0x7E, 0x7F, 0xFF}),
         {"0000008C: 1F 20 7E 7F FF" + std::string(36, ' ') + ". ~.."}},
        {"a whole line shows its characters as a short one does",
         FirstChunk({0x00, 0x1F, 0x20, 0x41, 0x7E, 0x7F, 0x80, 0x9F, 0xA0, 0xC1, 0xFE, 0xFF, 0x2E, 0x30, 0x39, 0x61}),
         {"0000008C: 00 1F 20 41 7E 7F 80 9F A0 C1 FE FF 2E 30 39 61   .. A~........09a"}},
        {"a chunk cut inside its header has its address alone",  // 0x96 + 76 = 0xE2
         {"B___", "", 256, "", ByteString(Bytes(11, 0)), 0x97}, {"000000E2: " + std::string(50, ' ')}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(DumpLines(row.chunk), row.lines) << row.name;
}

TEST(ChunkHeaderTexts, FormatEachField)
{
    // Only the low 16 bits of the size are shown, of a negative one too.
    const ChunkInfo chunk = {"STR#", "Names", static_cast<std::int32_t>(0xFFFF0010u), "\x01\x02\xA0\xFF", {}, 65};
    const ChunkHeaderTexts texts = MakeChunkHeaderTexts(chunk);
    EXPECT_EQ(texts.Type, "STR#");
    EXPECT_EQ(texts.Name, "Names");
    EXPECT_EQ(texts.Size, "0010");
    EXPECT_EQ(texts.Id, "01 02 A0 FF ");
    EXPECT_EQ(texts.Address, "00000041");
}

}  // namespace
}  // namespace tarnwick
