// The walk over a file's chunks, as the chunk list shows it.
#include "model/container/chunk_walker.h"

#include <gtest/gtest.h>

#include "synth/iff_builder.h"
#include "tests/model/recording_output.h"

namespace tarnwick {
namespace {

using fixtures::Bytes;
using fixtures::IffBuilder;

IffBuilder ManyChunks(int count)
{
    IffBuilder file;
    for (int i = 0; i < count; ++i)
        file.Chunk("BHAV", "", {});
    return file;
}

TEST(Walk, ListsTheChunksItReads)
{
    const std::string tooMany = "Error reading file - Too many Chunks";
    const struct {
        const char* name;
        Bytes file;
        std::size_t lineCount;
        std::string lastLine;
        std::size_t kept;  // chunks in the table
    } rows[] = {
        {"a label without NUL keeps 64 characters and no contents",
         IffBuilder().Chunk("STR#", std::string(64, 'L'), fixtures::ToBytes("contents")).Build(), 1,
         "1: STR# [" + std::string(64, 'L') + "]", 1},
        {"1000 chunks and 7 bytes are not too many", ManyChunks(1000).Raw(Bytes(7, 1)).Build(), 1000,
         "1000: BHAV []", 1000},
        {"1000 chunks and 8 bytes are too many", ManyChunks(1000).Raw(Bytes(8, 1)).Build(), 1001, tooMany,
         1001},
        {"1262 chunks: the list shows 1000, the table keeps all", ManyChunks(1262).Build(), 1001, tooMany,
         1262},
        {"size 0 repeats the chunk up to the limit",
         IffBuilder().ChunkWithSizeField("ZERO", 0, "z", {}).Build(), 1001, tooMany, 1001},
        {"past the list, size 0 ends the walk",
         ManyChunks(1001).ChunkWithSizeField("ZERO", 0, "z", {}).Chunk("LOST", "", {}).Build(), 1001, tooMany,
         1002},
        {"past the list, a size under 76 ends the walk",
         ManyChunks(1000).ChunkWithSizeField("TINY", 8, "", {}).Chunk("LOST", "", {}).Build(), 1001, tooMany,
         1001},
        {"7 bytes cut the size field short",
         IffBuilder().Chunk("A___", "abc", {1, 2}).Raw({'T', 'Y', 'P', 'E', 0, 0, 1}).Build(), 1,
         "1: A___ [abc]", 1},
        {"8 bytes make another chunk",
         IffBuilder().Chunk("A___", "", {}).Raw(fixtures::ToBytes("TYPE0000")).Build(), 2, "2: TYPE []", 2},
        {"a size under 76 moves the walk by that size",
         IffBuilder()
             .ChunkWithSizeField("TINY", 8, std::string_view("\0\0\0\x4C", 4), {}, 0x4E455854)
             .Build(),
         2, "2: NEXT []", 2},
        {"an empty file has no chunks", {}, 0, "", 0},
    };
    for (const auto& row : rows) {
        OpenFile openFile;
        RecordingOutput output;
        LoadFromDisk(openFile, row.file, output);
        EXPECT_EQ(output.lines.size(), row.lineCount) << row.name;
        EXPECT_EQ(output.lines.empty() ? "" : output.lines.back(), row.lastLine) << row.name;
        EXPECT_EQ(openFile.Chunks.Count(), row.kept) << row.name;
    }
}

TEST(Walk, KeepsTheChunksPastTheList)
{
    IffBuilder file = ManyChunks(1000);
    file.Chunk("OBJD", "past the list", {1, 2, 3}, 0x04D20005);
    OpenFile openFile;
    RecordingOutput output;
    LoadFromDisk(openFile, file.Build(), output);
    const ChunkInfo* last = openFile.Chunks.Find(1001);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->Type, "OBJD");
    EXPECT_EQ(last->Label, "past the list");
    EXPECT_EQ(last->Id, 1234);
    EXPECT_EQ(last->Flags, 5);
    EXPECT_EQ(last->Data.size(), 79u);
    EXPECT_EQ(ListedChunk(999), 1000u);
    EXPECT_EQ(ListedChunk(1000), 0u);  // the error line
    EXPECT_EQ(ListedChunk(-1), 0u);
}

TEST(Walk, RecordsPositionsSizesAndData)
{
    const Bytes file = IffBuilder()
                           .Chunk("STR#", "one", {9, 8, 7}, 0x00000001)
                           .ChunkWithSizeField("BMP_", 200, "two", {5})
                           .Build();
    OpenFile openFile;
    RecordingOutput output;
    LoadFromDisk(openFile, file, output);

    ASSERT_EQ(openFile.Chunks.Count(), 2u);
    const ChunkInfo& first = *openFile.Chunks.Find(1);
    EXPECT_EQ(first.Position, 65);
    EXPECT_EQ(first.IdBytes, std::string("\0\0\0\1", 4));
    EXPECT_EQ(Bytes(first.Data.span().begin(), first.Data.span().end()),
              Bytes(file.begin() + 64, file.begin() + 64 + 79));
    const ChunkInfo& second = *openFile.Chunks.Find(2);
    EXPECT_EQ(second.Position, 65 + 79);
    EXPECT_EQ(second.Size, 200);
    EXPECT_EQ(second.Data.size(), 77u);  // cut short by the end of the file
    EXPECT_EQ(openFile.Chunks.Find(3), nullptr);
    EXPECT_EQ(openFile.Chunks.Find(0), nullptr);
}

// A negative size says nothing usable: the walk ends after that chunk.
TEST(Walk, NegativeSizeKeepsOnlyTheHeaderThatExists)
{
    const struct {
        const char* name;
        Bytes file;
        std::int32_t size;
        std::size_t dataSize;
    } rows[] = {
        {"whole header", IffBuilder().ChunkWithSizeField("NEG_", 0x80000000u, "", Bytes(100, 1)).Build(),
         INT32_MIN, 76},
        {"header cut short", IffBuilder().Raw({'N', 'E', 'G', '_', 0xFF, 0xFF, 0xFF, 0xFF, 0, 0}).Build(), -1,
         10},
    };
    for (const auto& row : rows) {
        ChunkWalker walker{ByteString(row.file)};
        const auto chunk = walker.Next();
        ASSERT_TRUE(chunk) << row.name;
        EXPECT_EQ(chunk->Size, row.size) << row.name;
        EXPECT_EQ(chunk->Data.size(), row.dataSize) << row.name;
        EXPECT_FALSE(walker.Next()) << row.name;
    }
}

}  // namespace
}  // namespace tarnwick
