// Loading a file from disk: the texts shown, unreadable files, and loads that
// interrupt each other.
#include "model/container/chunk_loader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "synth/iff_builder.h"
#include "tests/model/recording_output.h"
#include "tests/support/ordinary_user.h"

namespace tarnwick {
namespace {

using fixtures::Bytes;
using fixtures::IffBuilder;

TEST(LoadChunkFile, ShowsTheHeaderTextsThatExist)
{
    const std::string line1 = std::string("IFF FILE 2.5:TYPE FOLLOWED BY SIZE") + '\0';
    const std::string line2 = " TARNWICK TEST HEADER 01 ";
    const Bytes file = IffBuilder().Header(line1 + line2, 0x80001A2Bu).Build();
    OpenFile openFile;
    RecordingOutput output;
    LoadFromDisk(openFile, file, output);
    EXPECT_EQ(output.header.Line1, line1);
    EXPECT_EQ(output.header.Line2, line2);
    EXPECT_EQ(output.header.RsmpLocation, "80001A2B");
    // A file cut short inside its header shows what it has.
    EXPECT_EQ(ReadFileHeaderTexts(ByteSpan(file).first(62)).RsmpLocation, "8000");
    EXPECT_EQ(ReadFileHeaderTexts(ByteSpan(file).first(40)).Line2, line2.substr(0, 5));
}

TEST(LoadChunkFile, StopsWhenTheWindowAbandonsTheWalk)
{
    OpenFile openFile;
    RecordingOutput output;
    output.onEvents = [] { return false; };
    LoadFromDisk(openFile, IffBuilder().Chunk("A___", "", {}).Chunk("B___", "", {}).Build(), output);
    EXPECT_EQ(output.lines, std::vector<std::string>{"1: A___ []"});
    EXPECT_EQ(openFile.Chunks.Count(), 1u);
}

TEST(LoadChunkFile, AChunkOfAnEarlierFileOutlivesTheNextLoad)
{
    OpenFile openFile;
    RecordingOutput output;
    LoadFromDisk(openFile, IffBuilder().Chunk("A___", "", {1, 2, 3}).Build(), output);
    const ChunkInfo shown = *openFile.Chunks.Find(1);
    LoadFromDisk(openFile, IffBuilder().Build(), output);
    EXPECT_EQ(shown.Data[76], 1);
    EXPECT_EQ(shown.Data[78], 3);
}

}  // namespace
}  // namespace tarnwick
