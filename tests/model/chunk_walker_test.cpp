// The walk over a file's chunks, as the chunk list shows it.
#include <gtest/gtest.h>

#include "chunk_loader.h"
#include "chunk_walker.h"
#include "case_name.h"
#include "iff_builder.h"
#include "recording_output.h"
#include "temp_dir.h"

namespace tarnwick {
namespace {

using fixtures::Bytes;
using fixtures::IffBuilder;
using fixtures::ToBytes;

IffBuilder ManyChunks(int count)
{
    IffBuilder file;
    for (int i = 0; i < count; ++i)
        file.Chunk("BHAV", "", {});
    return file;
}

struct WalkCase {
    const char* name;
    Bytes file;
    std::size_t lineCount;
    std::vector<std::string> someLines;  // the first lines, and the last one after "..."
};

void PrintTo(const WalkCase& row, std::ostream* out) { *out << row.name; }

class Walk : public testing::TestWithParam<WalkCase> {};

TEST_P(Walk, ListsTheChunksItReads)
{
    const WalkCase& c = GetParam();
    fixtures::TempDir dir;
    Module1 module;
    module.FilePath = dir.Write("x.iff", c.file);
    RecordingOutput output;
    LoadChunkFile(module, "x.iff", output);

    ASSERT_EQ(output.lines.size(), c.lineCount);
    std::size_t at = 0;
    for (const std::string& line : c.someLines) {
        if (line == "...") {
            at = output.lines.size() - 1;
            continue;
        }
        EXPECT_EQ(output.lines[at++], line);
    }
}

INSTANTIATE_TEST_SUITE_P(Limits, Walk, testing::Values(
    WalkCase{"three chunks", IffBuilder().Chunk("STR#", "abc", {1, 2}).Chunk("BMP_", "b", {})
                                         .Chunk("SPR#", "", {3}).Build(),
             3, {"1: STR# [abc]", "2: BMP_ [b]", "3: SPR# []"}},
    WalkCase{"label without NUL keeps 64 characters and no contents",
             IffBuilder().Chunk("STR#", std::string(64, 'L'), ToBytes("contents")).Build(),
             1, {"1: STR# [" + std::string(64, 'L') + "]"}},
    WalkCase{"exactly 1000 chunks", ManyChunks(1000).Build(), 1000, {"1: BHAV []", "...", "1000: BHAV []"}},
    WalkCase{"1001 chunks", ManyChunks(1001).Build(), 1001,
             {"1: BHAV []", "...", "Error reading file - Too many Chunks"}},
    WalkCase{"1000 chunks and 6 bytes", ManyChunks(1000).Raw(Bytes(6, 1)).Build(), 1000, {"...", "1000: BHAV []"}},
    WalkCase{"1000 chunks and 7 bytes", ManyChunks(1000).Raw(Bytes(7, 1)).Build(), 1000, {"...", "1000: BHAV []"}},
    WalkCase{"1000 chunks and 8 bytes", ManyChunks(1000).Raw(Bytes(8, 1)).Build(), 1001,
             {"...", "Error reading file - Too many Chunks"}},
    WalkCase{"size 0 repeats the chunk up to the limit",
             IffBuilder().ChunkWithSizeField("ZERO", 0, "z", {}).Build(), 1001,
             {"1: ZERO [z]", "2: ZERO [z]", "...", "Error reading file - Too many Chunks"}},
    WalkCase{"size past the end is the last chunk",
             IffBuilder().Chunk("A___", "", {}).ChunkWithSizeField("B___", 5000, "", {1, 2, 3})
                         .Build(), 2, {"1: A___ []", "2: B___ []"}},
    WalkCase{"6 bytes after the last chunk are ignored",
             IffBuilder().Chunk("A___", "", {}).Raw(Bytes(6, 'x')).Build(), 1, {"1: A___ []"}},
    WalkCase{"7 bytes cut the size field short",
             IffBuilder().Chunk("A___", "", {}).Raw({'T', 'Y', 'P', 'E', 0, 0, 1}).Build(), 1, {"1: A___ []"}},
    WalkCase{"8 bytes make another chunk",
             IffBuilder().Chunk("A___", "", {}).Raw(ToBytes("TYPE0000")).Build(), 2,
             {"1: A___ []", "2: TYPE []"}},
    WalkCase{"negative size ends the walk after that chunk",
             IffBuilder().ChunkWithSizeField("NEG_", 0x80000000u, "n", {}).Chunk("B___", "", {})
                         .Build(), 1, {"1: NEG_ [n]"}},
    WalkCase{"header only", IffBuilder().Build(), 0, {}},
    WalkCase{"empty file", {}, 0, {}},
    WalkCase{"71 bytes hold no size field", IffBuilder().Raw({'S', 'T', 'R', '#', 0, 0, 0}).Build(), 0, {}},
    WalkCase{"72 bytes hold one chunk", IffBuilder().Raw({'S', 'T', 'R', '#', 0, 0, 0, 8}).Build(), 1,
             {"1: STR# []"}},
    WalkCase{"a size under 76 moves the walk by that size",
             IffBuilder().ChunkWithSizeField("TINY", 8, std::string_view("\0\0\0\x4C", 4), {}, 0x4E455854)
                         .Build(), 2, {"1: TINY []", "2: NEXT []"}}
), fixtures::RowName());

TEST(Walk, RecordsPositionsSizesAndData)
{
    const Bytes file = IffBuilder().Header("TARNWICK TEST", 0x40)
                           .Chunk("STR#", "one", {9, 8, 7}, 0x00000001)
                           .ChunkWithSizeField("BMP_", 200, "two", {5})
                           .Build();
    fixtures::TempDir dir;
    Module1 module;
    module.FilePath = dir.Write("x.iff", file);
    RecordingOutput output;
    LoadChunkFile(module, "x.iff", output);

    ASSERT_EQ(module.Chunks.Count(), 2u);
    const ChunkInfo& first = *module.Chunks.Find(1);
    EXPECT_EQ(first.Position, 65);
    EXPECT_EQ(first.Size, 79);
    EXPECT_EQ(first.IdBytes, std::string("\0\0\0\1", 4));
    EXPECT_EQ(Bytes(first.Data.span().begin(), first.Data.span().end()),
              Bytes(file.begin() + 64, file.begin() + 64 + 79));
    const ChunkInfo& second = *module.Chunks.Find(2);
    EXPECT_EQ(second.Position, 65 + 79);
    EXPECT_EQ(second.Size, 200);
    EXPECT_EQ(second.Data.size(), 77u);  // cut short by the end of the file
    EXPECT_EQ(module.Chunks.Find(3), nullptr);
    EXPECT_EQ(module.Chunks.Find(0), nullptr);
    EXPECT_EQ(module.FileData.size(), file.size());
}

TEST(Walk, NegativeSizeKeepsOnlyTheHeaderThatExists)
{
    const struct {
        Bytes file;
        std::size_t dataSize;
    } cases[] = {
        {IffBuilder().ChunkWithSizeField("NEG_", 0xFFFFFFFFu, "", Bytes(100, 1)).Build(), 76},
        {IffBuilder().Raw({'N', 'E', 'G', '_', 0xFF, 0xFF, 0xFF, 0xFF, 0, 0}).Build(), 10},
    };
    for (const auto& c : cases) {
        ChunkWalker walker{ByteString(c.file)};
        const auto chunk = walker.Next();
        ASSERT_TRUE(chunk);
        EXPECT_EQ(chunk->Size, -1);
        EXPECT_EQ(chunk->Data.size(), c.dataSize);
        EXPECT_FALSE(walker.Next());
        EXPECT_FALSE(walker.LeftChunksOut());
    }
}

}  // namespace
}  // namespace tarnwick
