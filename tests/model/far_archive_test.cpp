// The archive reader on archives written out by hand, byte by byte, and the
// ranged file read it opens members with. Damaged archives are in
// hostile_input_test.cpp.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "model/archive/far_archive.h"
#include "synth/temp_dir.h"
#include "tests/support/case_name.h"

namespace tarnwick {
namespace {

namespace fs = std::filesystem;
using fixtures::Bytes;

// Two members, "hi" and "abc", packed from byte 16 as the game packs them.
const Bytes kMemberData = {
    'F',  'A',  'R',  '!',  'b', 'y', 'A', 'Z',  // magic
    0x01, 0x00, 0x00, 0x00,                      // version 1
    0x15, 0x00, 0x00, 0x00,                      // manifest at 21
    'h',  'i',                                   // member 1 at 16
    'a',  'b',  'c',                             // member 2 at 18
};

const Bytes kManifest1a = {
    0x02, 0x00, 0x00, 0x00,                          // 2 members
    0x02, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00,  // size 2, and again
    0x10, 0x00, 0x00, 0x00,                          // at 16
    0x05, 0x00, 0x00, 0x00,                          // a name of 5 bytes (u32)
    'a',  '.',  'i',  'f',  'f',                     //
    0x03, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00,  // size 3, and again
    0x12, 0x00, 0x00, 0x00,                          // at 18
    0x0F, 0x00, 0x00, 0x00,                          // a name of 15 bytes, a folder in it
    'P',  'e',  'o',  'p',  'l',  'e',  '\\', 'm',  'a', 'i', 'd', '.', 'i', 'f', 'f',
};

const Bytes kManifest1b = {
    0x02, 0x00, 0x00, 0x00,                          // 2 members
    0x02, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00,  // size 2, and again
    0x10, 0x00, 0x00, 0x00,                          // at 16
    0x05, 0x00,                                      // a name of 5 bytes (u16)
    'a',  '.',  'i',  'f',  'f',                     //
    0x03, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00,  // size 3, and again
    0x12, 0x00, 0x00, 0x00,                          // at 18
    0x0F, 0x00,                                      // a name of 15 bytes
    'P',  'e',  'o',  'p',  'l',  'e',  '\\', 'm',  'a', 'i', 'd', '.', 'i', 'f', 'f',
};

// In 1b the first entry's bytes 14-15 are the name's start, "a."; a 1b
// archive whose first name starts with two NUL bytes looks like 1a there, and
// only the whole manifest tells.
const Bytes kManifest1bLikeLayout1a = {
    0x01, 0x00, 0x00, 0x00,                          // 1 member
    0x02, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00,  // size 2, and again
    0x10, 0x00, 0x00, 0x00,                          // at 16
    0x03, 0x00,                                      // a name of 3 bytes (u16)...
    0x00, 0x00, 'x',                                 // ...whose first two are 0, as 1a's length would be
};

Bytes Archive(const Bytes& manifest)
{
    Bytes archive = kMemberData;
    archive.insert(archive.end(), manifest.begin(), manifest.end());
    return archive;
}

struct HandWrittenCase {
    const char* name;
    Bytes archive;
    FarLayout layout;
    std::vector<std::string> members;  // name, offset, size, and the bytes read
};

void PrintTo(const HandWrittenCase& row, std::ostream* out) { *out << row.name; }

class FarHandWritten : public testing::TestWithParam<HandWrittenCase> {};

TEST_P(FarHandWritten, ListsEachMemberAndReadsItsBytes)
{
    const HandWrittenCase& row = GetParam();
    const fixtures::TempDir folder;
    const std::string path = folder.Write("x.far", row.archive);
    const FarManifest manifest = ReadFarManifest(path);
    ASSERT_TRUE(manifest.ok()) << manifest.error;
    EXPECT_EQ(manifest.layout, row.layout);
    EXPECT_TRUE(manifest.notes.empty());
    std::vector<std::string> listed;
    for (const FarMember& member : manifest.members) {
        const FileReadResult read = ReadFarMember(path, member);
        listed.push_back(member.name + " " + std::to_string(member.offset) + " " +
                         std::to_string(member.size) + " " +
                         std::string(read.bytes.begin(), read.bytes.end()));
    }
    EXPECT_EQ(listed, row.members);
}

INSTANTIATE_TEST_SUITE_P(Archives, FarHandWritten,
                         testing::Values(HandWrittenCase{"this game's layout",
                                                         Archive(kManifest1a),
                                                         FarLayout::Version1a,
                                                         {"a.iff 16 2 hi", "People\\maid.iff 18 3 abc"}},
                                         HandWrittenCase{"the online layout",
                                                         Archive(kManifest1b),
                                                         FarLayout::Version1b,
                                                         {"a.iff 16 2 hi", "People\\maid.iff 18 3 abc"}},
                                         HandWrittenCase{
                                             "the online layout with a name that looks like this game's",
                                             Archive(kManifest1bLikeLayout1a),
                                             FarLayout::Version1b,
                                             {std::string("\0\0x 16 2 hi", 11)}}),
                         fixtures::RowName());

// The ranged read, on a file of ten bytes and on what is no file.
struct RangeCase {
    const char* name;
    std::uint64_t offset;
    std::uint64_t size;
    std::string bytes;
    std::string error;
    std::string path = "";  // another path than the ten-byte file's
};

void PrintTo(const RangeCase& row, std::ostream* out) { *out << row.name; }

class FileRange : public testing::TestWithParam<RangeCase> {};

TEST_P(FileRange, ReadsOnlyTheRangeAndRefusesWhatIsNoFile)
{
    const RangeCase& row = GetParam();
    const fixtures::TempDir folder;
    const std::string file = folder.Write("ten", fixtures::ToBytes("0123456789"));
    fs::create_directory(folder.Path() / "folder");
    mkfifo((folder.Path() / "fifo").c_str(), 0644);
    const std::string path = row.path.empty()            ? file
                             : row.path.starts_with("/") ? row.path
                                                         : (folder.Path() / row.path).string();
    const FileRangeResult read = ReadFileRange(path, row.offset, row.size);
    EXPECT_EQ(std::string(read.bytes.begin(), read.bytes.end()), row.bytes);
    EXPECT_EQ(read.error, row.error);
    EXPECT_EQ(read.fileSize, read.ok() ? 10u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, FileRange,
    testing::Values(RangeCase{"the start", 0, 4, "0123", ""}, RangeCase{"the middle", 3, 2, "34", ""},
                    RangeCase{"past the end, cut at it", 6, 100, "6789", ""},
                    RangeCase{"at the end", 10, 1, "", ""},
                    RangeCase{"a terabyte past the end", std::uint64_t{1} << 40, 5, "", ""},
                    RangeCase{"the largest offset", UINT64_MAX, UINT64_MAX >> 40, "", ""},
                    RangeCase{"nothing", 2, 0, "", ""},
                    RangeCase{"a range longer than any readable file", 0, std::uint64_t{1} << 32, "",
                              "File too large"},
                    RangeCase{"a folder", 0, 4, "", "Is a directory", "folder"},
                    RangeCase{"a FIFO, never opened", 0, 4, "", "Not a regular file", "fifo"},
                    RangeCase{"an endless device", 0, 4, "", "Not a regular file", "/dev/zero"},
                    RangeCase{"a missing file", 0, 4, "", "No such file or directory", "missing"}),
    fixtures::RowName());

// A member read after its archive was cut short says so, and gives no bytes.
TEST(FarMember, ReadFromAnArchiveCutShortSinceItWasListed)
{
    const fixtures::TempDir folder;
    const std::string path = folder.Write("x.far", Archive(kManifest1a));
    const FarManifest manifest = ReadFarManifest(path);
    ASSERT_EQ(manifest.members.size(), 2u);
    fs::resize_file(path, 20);
    EXPECT_EQ(ReadFarMember(path, manifest.members[0]).bytes, fixtures::ToBytes("hi"));
    const FileReadResult cut = ReadFarMember(path, manifest.members[1]);
    EXPECT_EQ(cut.error, "The archive ends before this member does");
    EXPECT_TRUE(cut.bytes.empty());
}

}  // namespace
}  // namespace tarnwick
