// The chunk display's texts: header fields and the hex dump.
#include "chunk_dump.h"

#include <gtest/gtest.h>

#include "chunk_texts.h"
#include "chunk_walker.h"
#include "iff_builder.h"

namespace tarnwick {
namespace {

using fixtures::Bytes;

// The last chunk of a synthesised file.
ChunkInfo LastChunk(const fixtures::IffBuilder& file)
{
    ChunkWalker walker{ByteString(file.Build())};
    std::optional<ChunkInfo> last;
    while (auto chunk = walker.Next())
        last = std::move(chunk);
    return *last;
}

// The first chunk of a file, at position 65, holding these contents.
ChunkInfo FirstChunk(const Bytes& contents)
{
    return LastChunk(fixtures::IffBuilder().Chunk("DATA", "", contents));
}

std::vector<std::string> DumpLines(const ChunkInfo& chunk)
{
    const ChunkDump dump(chunk);
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < dump.LineCount(); ++i)
        lines.push_back(dump.Line(i));
    return lines;
}

Bytes Counting(std::size_t count)
{
    Bytes bytes(count);
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<std::uint8_t>('A' + i % 26);
    return bytes;
}

const std::string kFullLine =
    "0000008C: 41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50   ABCDEFGHIJKLMNOP";

TEST(ChunkDump, LaysOutSixteenBytesALine)
{
    const struct {
        std::size_t contentBytes;
        std::vector<std::string> lines;
    } cases[] = {
        {0, {"0000008C: " + std::string(50, ' ')}},
        {1, {"0000008C: 41" + std::string(48, ' ') + "A"}},
        {3, {"0000008C: 41 42 43" + std::string(42, ' ') + "ABC"}},
        {16, {kFullLine}},
        {17, {kFullLine, "0000009C: 51" + std::string(48, ' ') + "Q"}},
        {33, {kFullLine, "0000009C: 51 52 53 54 55 56 57 58 59 5A 41 42 43 44 45 46   QRSTUVWXYZABCDEF",
              "000000AC: 47" + std::string(48, ' ') + "G"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DumpLines(FirstChunk(Counting(c.contentBytes))), c.lines) << c.contentBytes << " bytes";
}

TEST(ChunkDump, ShowsOnlyPrintableCharacters)
{
    const auto lines = DumpLines(FirstChunk({0x1F, 0x20, 0x7E, 0x7F, 0xFF}));
    EXPECT_EQ(lines.at(0).substr(60), ". ~..");
}

TEST(ChunkDump, ChunkCutInsideItsHeaderHasOneAddressLine)
{
    // A second chunk at zero-based offset 150 (position 151) whose file ends 30 bytes in.
    const ChunkInfo chunk = LastChunk(fixtures::IffBuilder().Chunk("A___", "", Bytes(10, 0))
                                          .Raw({'B', '_', '_', '_', 0, 0, 1, 0, 1, 2, 3}));
    ASSERT_EQ(chunk.Position, 151);
    EXPECT_EQ(DumpLines(chunk), std::vector<std::string>{"000000E2: " + std::string(50, ' ')});
}

TEST(ChunkHeaderTexts, FormatEachField)
{
    ChunkInfo chunk = LastChunk(fixtures::IffBuilder().Chunk("STR#", "Names", {}, 0x00000001));
    const struct {
        std::int32_t size;
        const char* text;
    } sizes[] = {{0xFFFF, "FFFF"}, {0x10010, "0010"}, {0x4C, "004C"}, {-1, "FFFF"}};
    for (const auto& [size, text] : sizes) {
        chunk.Size = size;
        const ChunkHeaderTexts texts = MakeChunkHeaderTexts(chunk);
        EXPECT_EQ(texts.Size, text);
        EXPECT_EQ(texts.Type, "STR#");
        EXPECT_EQ(texts.Name, "Names");
        EXPECT_EQ(texts.Id, "00 00 00 01 ");
        EXPECT_EQ(texts.Address, "00000041");
    }
}

}  // namespace
}  // namespace tarnwick
