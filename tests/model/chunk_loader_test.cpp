// Loading a file from disk: the texts shown, unreadable files, and loads that
// interrupt each other.
#include "chunk_loader.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/fsuid.h>
#include <unistd.h>

#include <functional>
#include <ostream>

#include "case_name.h"
#include "iff_builder.h"
#include "recording_output.h"
#include "temp_dir.h"

namespace tarnwick {
namespace {

using fixtures::Bytes;
using fixtures::IffBuilder;

const std::string kLine1 = std::string("IFF FILE 2.5:TYPE FOLLOWED BY SIZE") + '\0';
const std::string kLine2 = " TARNWICK TEST HEADER 01 ";
const std::string kHeader = kLine1 + kLine2;

TEST(LoadChunkFile, ShowsTheHeaderAndCaption)
{
    fixtures::TempDir dir;
    Module1 module;
    module.FilePath = dir.Write("Bob.iff", IffBuilder().Header(kHeader, 0x00001A2B).Chunk("rsmp", "", {}).Build());
    RecordingOutput output;
    LoadChunkFile(module, "Bob.iff", output);

    EXPECT_EQ(output.caption, "File Details for Bob.iff");
    EXPECT_EQ(output.header.Line1, kLine1);
    EXPECT_EQ(output.header.Line2, kLine2);
    EXPECT_EQ(output.header.RsmpLocation, "00001A2B");
}

TEST(ReadFileHeaderTexts, TakesWhatAShortFileHas)
{
    const Bytes file(62, 'h');
    const FileHeaderTexts texts = ReadFileHeaderTexts(file);
    EXPECT_EQ(texts.Line1, std::string(35, 'h'));
    EXPECT_EQ(texts.Line2, std::string(25, 'h'));
    EXPECT_EQ(texts.RsmpLocation, "6868");
    EXPECT_EQ(ReadFileHeaderTexts(IffBuilder().Header("", 0x80000000u).Build()).RsmpLocation, "80000000");
}

// While it lives, files are opened with the rights of an ordinary user, even
// when the tests run as root (whose rights would read any file).
class OrdinaryUserFileAccess {
public:
    OrdinaryUserFileAccess() : saved_(geteuid()) { if (saved_ == 0) setfsuid(65534); }
    ~OrdinaryUserFileAccess() { if (saved_ == 0) setfsuid(saved_); }
    OrdinaryUserFileAccess(const OrdinaryUserFileAccess&) = delete;
    OrdinaryUserFileAccess& operator=(const OrdinaryUserFileAccess&) = delete;

private:
    uid_t saved_;
};

struct UnreadableCase {
    const char* name;
    std::function<std::string(const fixtures::TempDir&)> makePath;
    std::string reason;
};

void PrintTo(const UnreadableCase& row, std::ostream* out) { *out << row.name; }

class Unreadable : public testing::TestWithParam<UnreadableCase> {};

TEST_P(Unreadable, LeavesOneErrorLineAndNoData)
{
    const UnreadableCase& c = GetParam();
    fixtures::TempDir dir;
    chmod(dir.Path().c_str(), 0755);
    Module1 module;
    module.FilePath = dir.Write("good.iff", IffBuilder().Chunk("STR#", "", {}).Build());
    RecordingOutput output;
    LoadChunkFile(module, "good.iff", output);
    module.FilePath = c.makePath(dir);
    {
        const OrdinaryUserFileAccess access;
        LoadChunkFile(module, "x.IFF", output);
    }
    EXPECT_EQ(output.lines, std::vector<std::string>{"Error reading file - " + c.reason});
    EXPECT_EQ(output.caption, "File Details for x.IFF");
    EXPECT_EQ(output.header.Line1 + output.header.Line2 + output.header.RsmpLocation, "");
    EXPECT_TRUE(module.FileData.empty());
    EXPECT_EQ(module.Chunks.Count(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Files, Unreadable, testing::Values(
    UnreadableCase{"missing", [](const auto& dir) { return (dir.Path() / "x.IFF").string(); },
                   "No such file or directory"},
    UnreadableCase{"folder", [](const auto& dir) {
                       const auto path = dir.Path() / "x.IFF";
                       std::filesystem::create_directory(path);
                       return path.string();
                   }, "Is a directory"},
    UnreadableCase{"fifo", [](const auto& dir) {
                       const auto path = dir.Path() / "x.IFF";
                       mkfifo(path.c_str(), 0644);
                       return path.string();
                   }, "Not a regular file"},
    UnreadableCase{"device", [](const auto&) { return std::string("/dev/zero"); }, "Not a regular file"},
    UnreadableCase{"no read permission", [](const auto& dir) {
                       const std::string path = dir.Write("x.IFF", Bytes(100, 0));
                       chmod(path.c_str(), 0200);
                       return path;
                   }, "Permission denied"},
    UnreadableCase{"beyond 32-bit positions", [](const auto& dir) {
                       const std::string path = dir.Write("x.IFF", {});
                       if (truncate(path.c_str(), 0x80000000LL) != 0)
                           return std::string("/truncate-failed");
                       chmod(path.c_str(), 0644);
                       return path;
                   }, "File too large"}
), fixtures::RowName());

TEST(LoadChunkFile, ALoadStartedDuringTheWalkReplacesIt)
{
    fixtures::TempDir dir;
    IffBuilder big;
    for (int i = 0; i < 50; ++i)
        big.Chunk("BIG_", "", {});
    const std::string bigPath = dir.Write("big.iff", big.Build());
    const std::string smallPath = dir.Write("small.iff", IffBuilder().Chunk("SML_", "s", {}).Build());

    Module1 module;
    module.FilePath = bigPath;
    RecordingOutput output;
    int yields = 0;
    output.onEvents = [&] {
        if (++yields == 3) {  // the user clicks another file while the list grows
            module.FilePath = smallPath;
            LoadChunkFile(module, "small.iff", output);
        }
        return true;
    };
    LoadChunkFile(module, "big.iff", output);

    EXPECT_EQ(output.caption, "File Details for small.iff");
    EXPECT_EQ(output.lines, std::vector<std::string>{"1: SML_ [s]"});
    ASSERT_EQ(module.Chunks.Count(), 1u);
    EXPECT_EQ(module.Chunks.Find(1)->Type, "SML_");
    EXPECT_EQ(module.FileData.size(), 64u + 76u);
}

TEST(LoadChunkFile, StopsWhenTheWindowAbandonsTheWalk)
{
    fixtures::TempDir dir;
    Module1 module;
    module.FilePath = dir.Write("x.iff", IffBuilder().Chunk("A___", "", {}).Chunk("B___", "", {}).Build());
    RecordingOutput output;
    output.onEvents = [] { return false; };
    LoadChunkFile(module, "x.iff", output);
    EXPECT_EQ(output.lines, std::vector<std::string>{"1: A___ []"});
    EXPECT_EQ(module.Chunks.Count(), 1u);
}

TEST(LoadChunkFile, AChunkOfAnEarlierFileOutlivesTheNextLoad)
{
    fixtures::TempDir dir;
    Module1 module;
    module.FilePath = dir.Write("a.iff", IffBuilder().Chunk("A___", "", {1, 2, 3}).Build());
    RecordingOutput output;
    LoadChunkFile(module, "a.iff", output);
    const ChunkInfo shown = *module.Chunks.Find(1);

    module.FilePath = dir.Write("b.iff", IffBuilder().Build());
    LoadChunkFile(module, "b.iff", output);
    EXPECT_EQ(module.Chunks.Count(), 0u);
    EXPECT_EQ(shown.Data[76], 1);
    EXPECT_EQ(shown.Data[78], 3);
}

}  // namespace
}  // namespace tarnwick
