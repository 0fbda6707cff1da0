#include "model/container/chunk_summary.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

// The header strip's warning about a chunk's size field, for a chunk at file
// offset 64 of a file of 64 + 100 bytes.
TEST(SummariseChunk, WarnsOfASizeFieldThatCannotBeRight)
{
    constexpr std::size_t kFileSize = 164;
    const struct {
        const char* name;
        std::int32_t size;
        const char* warning;
    } rows[] = {
        {"the chunk to the end of the file", 100, ""},
        {"a header and nothing more", 76, ""},
        {"below the header", 75, "The size field (75) is smaller than the 76-byte chunk header."},
        {"zero", 0, "The size field (0) is smaller than the 76-byte chunk header."},
        {"a byte past the end", 101,
         "The size field (101) runs past the end of the file: 100 bytes are there."},
        {"the top bit set", -2,
         "The size field (4294967294) runs past the end of the file: 100 bytes are there."},
    };
    for (const auto& row : rows) {
        ChunkInfo chunk;
        chunk.Type = "STR#";
        chunk.Label = "Names";
        chunk.Size = row.size;
        chunk.Position = 65;
        chunk.Id = 0x0080;
        chunk.Flags = 0x0010;
        const ChunkSummary summary = SummariseChunk(chunk, kFileSize);
        EXPECT_EQ(summary.warning, row.warning) << row.name;
        EXPECT_EQ(summary.size, static_cast<std::uint32_t>(row.size)) << row.name;
        EXPECT_EQ(summary.offset, 64u) << row.name;
        EXPECT_EQ(summary.id, 0x0080) << row.name;
        EXPECT_EQ(summary.flags, 0x0010) << row.name;
        EXPECT_EQ(summary.type, "STR#") << row.name;
        EXPECT_EQ(summary.label, "Names") << row.name;
    }
}

}  // namespace
}  // namespace tarnwick

namespace tarnwick {
namespace {

TEST(ChunkIdText, ShowsDecimalAndAtLeastFourHexDigits)
{
    const struct {
        std::uint32_t id;
        const char* text;
    } rows[] = {
        {0, "0 (0x0000)"},         {128, "128 (0x0080)"},      {4097, "4097 (0x1001)"},
        {65535, "65535 (0xFFFF)"}, {65536, "65536 (0x10000)"}, {0xFFFFFFFF, "4294967295 (0xFFFFFFFF)"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ChunkIdText(row.id), row.text);
    EXPECT_EQ(ChunkName("BHAV", 4096), "BHAV 4096 (0x1000)");
}

}  // namespace
}  // namespace tarnwick
