// Files that are damaged, cut short, huge or no files at all: each row says
// what the program shows for it, through the loader and then every decoder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <algorithm>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>

#include "model/archive/far_archive.h"
#include "model/chunk_window/chunk_dump.h"
#include "model/chunk_window/chunk_texts.h"
#include "model/chunk_window/offset_view.h"
#include "model/chunk_window/string_lines.h"
#include "model/decoders/bmp_header.h"
#include "model/decoders/resource_map.h"
#include "synth/bmp_builder.h"
#include "synth/far_builder.h"
#include "synth/iff_builder.h"
#include "tests/model/recording_output.h"
#include "tests/support/case_name.h"
#include "tests/support/ordinary_user.h"

namespace tarnwick {
namespace {

namespace fs = std::filesystem;
using fixtures::Bytes;
using fixtures::Concat;
using fixtures::FarBuilder;
using fixtures::IffBuilder;
using fixtures::ResourceMapBuilder;

using MakeFile = std::function<std::string(const fs::path& folder)>;  // returns the path to load

// Writes the bytes as x.IFF, or another name in any bytes, in the folder.
MakeFile FileOf(Bytes bytes, std::string name = "x.IFF")
{
    return [bytes = std::move(bytes), name = std::move(name)](const fs::path& folder) {
        std::string path = folder.string() + "/" + name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path;
    };
}

Bytes Prefix(const Bytes& bytes, std::size_t count)
{
    return {bytes.begin(), bytes.begin() + static_cast<long>(count)};
}

Bytes Chunks(int count)
{
    IffBuilder file;
    for (int i = 0; i < count; ++i)
        file.Chunk("DATA", "", {});
    return file.Build();
}

Bytes MapFile(const Bytes& map) { return IffBuilder().Chunk("rsmp", "", map).Build(); }

// A 2x2 picture of 24 bits (70 bytes: 54 of headers, two rows of 8) with
// `value` written over the four bytes at `at`, in a BMP_ chunk with `more`
// bytes after it; or in RLE8 with the headers' sizes zero.
Bytes BitmapFile(std::size_t at = SIZE_MAX, std::uint32_t value = 0, const Bytes& more = {})
{
    Bytes bmp = fixtures::BmpFile({2, 2, 24, false, {}, {1, 2, 3, 4}, {}});
    if (at != SIZE_MAX)
        for (std::size_t i = 0; i < 4; ++i)
            bmp[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    bmp.insert(bmp.end(), more.begin(), more.end());
    return IffBuilder().Chunk("BMP_", "", bmp).Build();
}
Bytes RunLengthFile(const Bytes& stream, int width)
{
    Bytes bmp = fixtures::BmpFile({width, 2, 8, false, {0, 0xFFFFFF}, {}, stream});
    bmp[2] = bmp[34] = 0;  // no file size, no image size
    return IffBuilder().Chunk("BMP_", "", bmp).Build();
}

Bytes Int32Le(std::uint32_t value)
{
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

// What the decoders make of the last chunk listed: a string table's lines, a
// map's types, entries and entries whose offset view shows bytes, or the
// number of dump lines.
std::string Decoded(const OpenFile& openFile)
{
    const ChunkInfo* chunk = openFile.Chunks.Find(std::min(openFile.Chunks.Count(), kMaxChunks));
    if (chunk == nullptr)
        return "";
    (void)MakeChunkHeaderTexts(*chunk);
    const ChunkDump dump(*chunk);
    (void)dump.Line(dump.LineCount() - 1);
    if (chunk->Type == "STR#") {
        const auto lines = DecodeStringTable(chunk->Data.span());
        return lines ? "strings " + std::to_string(lines->size()) : "declined";
    }
    if (chunk->Type == "BMP_") {
        const ByteSpan contents = chunk->Data.Slice(kChunkHeaderSize, chunk->Data.size()).span();
        const auto header = ReadBmpHeader(contents);
        const auto length = header ? BmpLength(*header, contents.size()) : std::nullopt;
        return length ? "bitmap of " + std::to_string(*length) : "no bitmap";
    }
    if (chunk->Type == "rsmp") {
        const ResourceMap map = ParseResourceMap(chunk->Data.span());
        std::size_t shown = 0;
        for (const SectionEntry& entry : map.Sections)
            shown += !MakeOffsetViewTexts(openFile.FileData.span(), entry.Offset).HexText.empty();
        return "types " + std::to_string(map.Types.size()) + " entries " +
               std::to_string(map.Sections.size()) + " shown " + std::to_string(shown);
    }
    return "dump " + std::to_string(dump.LineCount());
}

struct HostileCase {
    const char* name;
    MakeFile make;
    std::size_t lines;          // in the chunk list
    std::string lastLine;       // the list's last line
    std::string decoded;        // Decoded() of the last chunk
    bool ordinaryUser = false;  // loaded with an ordinary user's rights
};

void PrintTo(const HostileCase& row, std::ostream* out) { *out << row.name; }

const std::string kTooMany = "Error reading file - Too many Chunks";
const Bytes kOneChunk = IffBuilder().Chunk("DATA", "", Bytes(20, 'x')).Build();

class HostileInput : public testing::TestWithParam<HostileCase> {};

TEST_P(HostileInput, ShowsWhatItCanAndNothingElse)
{
    const HostileCase& row = GetParam();
    const fixtures::TempDir folder;
    chmod(folder.Path().c_str(), 0755);
    OpenFile openFile;
    RecordingOutput output;
    LoadFromDisk(openFile, kOneChunk, output);  // an earlier file, to be replaced
    const std::string path = row.make(folder.Path());
    {
        const std::optional<fixtures::OrdinaryUserFileAccess> access =
            row.ordinaryUser ? std::make_optional<fixtures::OrdinaryUserFileAccess>() : std::nullopt;
        LoadChunkFile(openFile, path, "x.IFF", output);
    }
    EXPECT_EQ(output.lines.size(), row.lines);
    EXPECT_EQ(output.lines.empty() ? "" : output.lines.back(), row.lastLine);
    EXPECT_EQ(Decoded(openFile), row.decoded);
    // The table holds no more than the file's bytes allow: a chunk header each
    // past the listed chunks.
    EXPECT_LE(openFile.Chunks.Count(), kMaxChunks + 1 + openFile.FileData.size() / kChunkHeaderSize);
    // A file that cannot be read leaves nothing of the earlier one behind.
    if (row.lastLine.starts_with("Error reading file - ") && row.lastLine != kTooMany) {
        EXPECT_TRUE(openFile.FileData.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Files, HostileInput, testing::Values(
    HostileCase{"an empty file", FileOf({}), 0, "", ""},
    HostileCase{"1 byte", FileOf({'I'}), 0, "", ""},
    HostileCase{"63 bytes", FileOf(Prefix(kOneChunk, 63)), 0, "", ""},
    HostileCase{"a header only", FileOf(Prefix(kOneChunk, 64)), 0, "", ""},
    HostileCase{"71 bytes, a size field cut short", FileOf(Prefix(kOneChunk, 71)), 0, "", ""},
    HostileCase{"72 bytes, a chunk cut inside its header", FileOf(Prefix(kOneChunk, 72)), 1, "1: DATA []", "dump 1"},
    HostileCase{"size 0 reads the same chunk to the limit",
                FileOf(IffBuilder().ChunkWithSizeField("DATA", 0, "", {}).Build()), 1001, kTooMany, "dump 1"},
    HostileCase{"size 1 at the end of the file", FileOf(Prefix(IffBuilder().ChunkWithSizeField("DATA", 1, "", {}).Build(), 72)),
                1, "1: DATA []", "dump 1"},
    HostileCase{"size 75, inside its own header", FileOf(IffBuilder().ChunkWithSizeField("DATA", 75, "", {}).Build()),
                1, "1: DATA []", "dump 1"},
    HostileCase{"size 76, a header and no contents", FileOf(IffBuilder().Chunk("DATA", "", {}).Build()), 1,
                "1: DATA []", "dump 1"},
    HostileCase{"size 2^31-1 past the end", FileOf(IffBuilder().ChunkWithSizeField("DATA", 0x7FFFFFFF, "", Bytes(100, 1)).Build()),
                1, "1: DATA []", "dump 7"},
    HostileCase{"a negative size ends the walk",
                FileOf(IffBuilder().ChunkWithSizeField("DATA", 0xFFFFFFF0, "", Bytes(100, 1)).Chunk("MORE", "", {}).Build()),
                1, "1: DATA []", "dump 1"},
    HostileCase{"a label of 64 bytes without NUL", FileOf(IffBuilder().Chunk("DATA", std::string(64, 'L'), {}).Build()),
                1, "1: DATA [" + std::string(64, 'L') + "]", "dump 1"},
    HostileCase{"1,000 chunks", FileOf(Chunks(1000)), 1000, "1000: DATA []", "dump 1"},
    HostileCase{"100,000 chunks", FileOf(Chunks(100000)), 1001, kTooMany, "dump 1"},
    HostileCase{"a string table claiming 255 strings with none", FileOf(IffBuilder().Chunk("STR#", "", {0xFF, 0, 255}).Build()),
                1, "1: STR# []", "strings 0"},
    HostileCase{"a map claiming 2^31-1 blocks",
                FileOf(MapFile(Concat({fixtures::ToBytes("pmsr"), Int32Le(0), Int32Le(0x7FFFFFFF)}))), 1, "1: rsmp []",
                "types 0 entries 0 shown 0"},
    HostileCase{"a type claiming 2^31-1 entries",
                FileOf(MapFile(ResourceMapBuilder().Type("STR#", 0x7FFFFFFF).Entry(64, 1, 0, "one").Build())), 1,
                "1: rsmp []", "types 1 entries 1 shown 1"},
    HostileCase{"a name running to the end of the data",
                FileOf(MapFile(ResourceMapBuilder().Type("STR#", 1).Raw(Concat({Int32Le(64), Int32Le(1), fixtures::ToBytes("endless")})).Build())),
                1, "1: rsmp []", "types 1 entries 1 shown 1"},
    HostileCase{"a map position past the file",
                FileOf(MapFile(ResourceMapBuilder().Type("STR#", 2).Entry(0x7FFFFFF0, 1, 0, "far").Entry(0xFFFFFFFF, 2, 0, "before").Build())),
                1, "1: rsmp []", "types 1 entries 2 shown 0"},
    HostileCase{"a name that is not UTF-8", FileOf(kOneChunk, "caf\xE9.IFF"), 1, "1: DATA []", "dump 2"},
    HostileCase{"a bitmap", FileOf(BitmapFile()), 1, "1: BMP_ []", "bitmap of 70"},
    HostileCase{"a bitmap with bytes after it, which are not its", FileOf(BitmapFile(SIZE_MAX, 0, Bytes(500))), 1,
                "1: BMP_ []", "bitmap of 70"},
    HostileCase{"a bitmap whose file size is not given", FileOf(BitmapFile(2, 0)), 1, "1: BMP_ []", "bitmap of 70"},
    HostileCase{"a bitmap whose file size passes its chunk", FileOf(BitmapFile(2, 71)), 1, "1: BMP_ []", "no bitmap"},
    HostileCase{"a bitmap whose file size ends before its pixels", FileOf(BitmapFile(2, 53)), 1, "1: BMP_ []", "no bitmap"},
    HostileCase{"a bitmap signed \"bM\"", FileOf(BitmapFile(0, 0x00464D62)), 1, "1: BMP_ []", "no bitmap"},
    HostileCase{"a bitmap cut inside its headers", FileOf(Prefix(BitmapFile(), 170)), 1, "1: BMP_ []", "no bitmap"},
    HostileCase{"a bitmap header of a size no reader knows", FileOf(BitmapFile(14, 41)), 1, "1: BMP_ []", "no bitmap"},
    HostileCase{"a bitmap whose pixels start inside its headers", FileOf(BitmapFile(10, 53)), 1, "1: BMP_ []", "no bitmap"},
    HostileCase{"a bitmap whose pixels start past its chunk", FileOf(BitmapFile(10, 71)), 1, "1: BMP_ []", "no bitmap"},
    HostileCase{"a bitmap whose rows are cut short", FileOf(BitmapFile(22, 3)), 1, "1: BMP_ []", "no bitmap"},
    HostileCase{"a bitmap 2^31-1 pixels wide", FileOf(BitmapFile(18, 0x7FFFFFFF)), 1, "1: BMP_ []", "no bitmap"},
    HostileCase{"a bitmap of no width", FileOf(BitmapFile(18, 0)), 1, "1: BMP_ []", "no bitmap"},
    HostileCase{"a bitmap of 16 colours in RLE8", FileOf(BitmapFile(28, 0x00010004)), 1, "1: BMP_ []", "no bitmap"},
    HostileCase{"a compressed bitmap ending early", FileOf(RunLengthFile({2, 1}, 2)), 1, "1: BMP_ []",
                "bitmap of 64"},
    HostileCase{"compressed bytes past the most a picture can take", FileOf(RunLengthFile(Bytes(100, 1), 2)), 1,
                "1: BMP_ []", "bitmap of 84"},
    HostileCase{"a missing file", [](const fs::path& folder) { return (folder / "x.IFF").string(); }, 1,
                "Error reading file - No such file or directory", ""},
    HostileCase{"a 4 GiB sparse file",
                [](const fs::path& folder) {
                    const fs::path path = folder / "x.IFF";
                    std::ofstream(path).close();
                    fs::resize_file(path, 0x100000000u);
                    return path.string();
                },
                1, "Error reading file - File too large", ""},
    HostileCase{"a folder named x.IFF",
                [](const fs::path& folder) { fs::create_directory(folder / "x.IFF"); return (folder / "x.IFF").string(); },
                1, "Error reading file - Is a directory", ""},
    HostileCase{"a FIFO named x.IFF",
                [](const fs::path& folder) { mkfifo((folder / "x.IFF").c_str(), 0644); return (folder / "x.IFF").string(); },
                1, "Error reading file - Not a regular file", ""},
    HostileCase{"an endless device", [](const fs::path&) { return std::string("/dev/zero"); }, 1,
                "Error reading file - Not a regular file", ""},
    HostileCase{"a file without read permission",
                [](const fs::path& folder) {
                    std::string path = FileOf(kOneChunk)(folder);
                    chmod(path.c_str(), 0200);
                    return path;
                },
                1, "Error reading file - Permission denied", "", true}),
    fixtures::RowName());

// Files whose size says other than they hold: the system's attribute files
// report more, as a file cut short while it is read would, and its process
// files report none. What the file holds is what is loaded.
TEST(HostileInput, AFileIsReadToItsEndWhateverItsSizeSays)
{
    for (const std::string path : {"/sys/devices/system/cpu/online", "/proc/self/mountinfo"}) {
        SCOPED_TRACE(path);
        struct stat info {};
        if (stat(path.c_str(), &info) != 0)
            GTEST_SKIP() << "no " << path << " here";
        std::ifstream in(path, std::ios::binary);
        const std::string contents{std::istreambuf_iterator<char>(in), {}};
        ASSERT_NE(contents.size(), static_cast<std::size_t>(info.st_size));
        OpenFile openFile;
        RecordingOutput output;
        LoadChunkFile(openFile, path, "x", output);
        EXPECT_EQ(BytesAsText(openFile.FileData.span()), contents);
    }
}

// Archives that are damaged, cut short, huge, of another game or no archives
// at all: each row says what the archive's list shows, a member by its name
// and size as read, or by its damage, and the notes after them.
std::string Listed(const FarManifest& manifest, const std::string& path, const Bytes& file)
{
    if (!manifest.ok())
        return "declined: " + manifest.error;
    std::string text = manifest.layout == FarLayout::Version1a ? "1a" : "1b";
    for (const FarMember& member : manifest.members) {
        text += "; " + member.name;
        if (!member.usable()) {
            text += " (" + member.damage + ")";
            continue;
        }
        const FileReadResult read = ReadFarMember(path, member);
        text += " " + (read.ok() ? std::to_string(read.bytes.size()) : read.error);
        // The member is the archive's bytes at its place, whatever it overlaps.
        if (read.ok() && !file.empty()) {
            EXPECT_EQ(read.bytes, Bytes(file.begin() + static_cast<long>(member.offset),
                                        file.begin() + static_cast<long>(member.offset + member.size)));
        }
    }
    for (const std::string& note : manifest.notes)
        text += "; note: " + note;
    return text;
}

struct HostileArchiveCase {
    const char* name;
    Bytes file;  // written as x.far; or, when empty, `make` makes the path
    std::string listed;
    MakeFile make = nullptr;
    std::string lastMemberAsChunkFile = "";  // the chunk loader's last line for the last member's bytes
};

void PrintTo(const HostileArchiveCase& row, std::ostream* out) { *out << row.name; }

class HostileArchive : public testing::TestWithParam<HostileArchiveCase> {};

TEST_P(HostileArchive, ListsWhatItCanAndOpensOnlyUsableMembers)
{
    const HostileArchiveCase& row = GetParam();
    const fixtures::TempDir folder;
    const std::string path = row.make ? row.make(folder.Path()) : FileOf(row.file, "x.far")(folder.Path());
    const FarManifest manifest = ReadFarManifest(path);
    EXPECT_EQ(Listed(manifest, path, row.file), row.listed);
    // Reading from disk and from memory agree.
    if (!row.make) {
        EXPECT_EQ(Listed(ParseFarManifest(row.file), path, row.file), row.listed);
    }
    std::string lastLine;
    if (manifest.ok() && !manifest.members.empty() && manifest.members.back().usable()) {
        OpenFile openFile;
        RecordingOutput output;
        LoadChunkBytes(openFile, ByteString(ReadFarMember(path, manifest.members.back()).bytes), output);
        lastLine = output.lines.empty() ? "" : output.lines.back();
    }
    EXPECT_EQ(lastLine, row.lastMemberAsChunkFile);
}

const Bytes kAbc = fixtures::ToBytes("abc");
const Bytes kDefg = fixtures::ToBytes("defg");
// Header (16) + "abc" + "defg": the manifest of Two() starts at 23.
FarBuilder Two(FarLayout layout = FarLayout::Version1a)
{
    return std::move(FarBuilder(layout).Member("a.iff", kAbc).Member("b.iff", kDefg));
}
const Bytes kInnerArchive = FarBuilder().Member("x.iff", kOneChunk).Build();

INSTANTIATE_TEST_SUITE_P(
    Archives, HostileArchive,
    testing::Values(
        HostileArchiveCase{"two members", Two().Build(), "1a; a.iff 3; b.iff 4"},
        HostileArchiveCase{"two members in the online layout", Two(FarLayout::Version1b).Build(),
                           "1b; a.iff 3; b.iff 4"},
        HostileArchiveCase{"no members", FarBuilder().Build(), "1a"},
        HostileArchiveCase{"a zero-byte file",
                           {},
                           "declined: Not a FAR archive: the file is empty",
                           [](const fs::path& folder) { return FileOf({}, "x.far")(folder); }},
        HostileArchiveCase{"a header cut short", fixtures::ToBytes("FAR!byAZ\x01\0\0"),
                           "declined: Not a FAR archive: the file ends inside the 16-byte header"},
        HostileArchiveCase{"a chunk file", kOneChunk,
                           "declined: Not a FAR archive: the file does not begin with FAR!byAZ"},
        HostileArchiveCase{
            "version 3", Two().Version(3).Build(),
            "declined: An archive of The Sims Online (version 3), which this game does not use"},
        HostileArchiveCase{"version 2", Two().Version(2).Build(),
                           "declined: An archive of an unknown version (2)"},
        HostileArchiveCase{
            "the manifest offset past the end", Two().ManifestOffset(1000).Build(),
            "declined: The manifest offset (1000) lies past the end of the archive (69 bytes)"},
        HostileArchiveCase{"the manifest offset at the end", Two().ManifestOffset(69).Build(),
                           "declined: The manifest offset (69) lies past the end of the archive (69 bytes)"},
        HostileArchiveCase{"the manifest offset inside the header", Two().ManifestOffset(8).Build(),
                           "declined: The manifest offset (8) lies inside the header"},
        HostileArchiveCase{"a manifest too short for its count", Two().ManifestOffset(66).Build(),
                           "declined: The manifest ends before its member count"},
        HostileArchiveCase{"a count of four billion", Two().Count(0xFFFFFFFF).Build(),
                           "1a; a.iff 3; b.iff 4; note: The manifest counts 4294967295 members but holds 2"},
        HostileArchiveCase{"a count one more than the entries", Two().Count(3).Build(),
                           "1a; a.iff 3; b.iff 4; note: The manifest counts 3 members but holds 2"},
        HostileArchiveCase{"a count one less: the last entry is left out", Two().Count(1).Build(),
                           "1a; a.iff 3"},
        HostileArchiveCase{"an entry past the end", Two().Offset(0xFFFFFFF0).Build(),
                           "1a; a.iff 3; b.iff (it lies past the end of the archive (bytes 4294967280 to "
                           "4294967284 of 69))"},
        HostileArchiveCase{"a size past the end", Two().Size(51).Build(),
                           "1a; a.iff 3; b.iff (it lies past the end of the archive (bytes 19 to 70 of 69))"},
        HostileArchiveCase{
            "a size of four billion", Two().Size(0xFFFFFFFF).Build(),
            "1a; a.iff 3; b.iff (it lies past the end of the archive (bytes 19 to 4294967314 of 69))"},
        HostileArchiveCase{"a member running over the manifest to the last byte", Two().Size(50).Build(),
                           "1a; a.iff 3; b.iff 50"},
        HostileArchiveCase{"two sizes that differ", Two().SecondSize(5).Build(),
                           "1a; a.iff 3; b.iff (its two sizes differ (4 and 5))"},
        HostileArchiveCase{"overlapping members, both readable", Two().Offset(17).Build(),
                           "1a; a.iff 3; b.iff 4; note: 1 member starts inside another member's bytes"},
        HostileArchiveCase{"one member inside the header", Two().Offset(0).Build(), "1a; a.iff 3; b.iff 4"},
        HostileArchiveCase{"members of no bytes",
                           FarBuilder().Member("a.iff", {}).Member("b.iff", {}).Build(),
                           "1a; a.iff 0; b.iff 0"},
        HostileArchiveCase{
            "a name of length four billion", Two().NameLength(0xFFFFFFFF).Member("c.iff", kAbc).Build(),
            "1a; a.iff 3;  (its name length (4294967295) runs past the end of the manifest); note: Entry 2's "
            "name length is wrong, so the entry after it cannot be found"},
        HostileArchiveCase{"a first name of length four billion",
                           FarBuilder().Member("a.iff", kAbc).NameLength(0xFFFFFFFF).Build(),
                           "1a;  (its name length (4294967295) runs past the end of the manifest)"},
        HostileArchiveCase{"a name one byte too long", Two().NameLength(6).Build(),
                           "1a; a.iff 3;  (its name length (6) runs past the end of the manifest)"},
        HostileArchiveCase{"an online archive whose first name starts with two NUL bytes",
                           FarBuilder(FarLayout::Version1b)
                               .Member(std::string("\0\0a.iff", 7), kAbc)
                               .Member("b.iff", kDefg)
                               .Build(),
                           "1b; " + std::string("\0\0a.iff", 7) + " 3; b.iff 4"},
        HostileArchiveCase{"an online archive whose second name is too long",
                           Two(FarLayout::Version1b).NameLength(9).Build(),
                           "1b; a.iff 3;  (its name length (9) runs past the end of the manifest)"},
        HostileArchiveCase{"bytes after the manifest", Two().AfterManifest(Bytes(40, 0)).Build(),
                           "1a; a.iff 3; b.iff 4"},
        HostileArchiveCase{"a member that is itself an archive",
                           FarBuilder().Member("a.iff", kOneChunk).Member("inner.far", kInnerArchive).Build(),
                           "1a; a.iff 160; inner.far " + std::to_string(kInnerArchive.size()), nullptr,
                           "1:      [    DATA]"},
        HostileArchiveCase{"a chunk file as the last member", FarBuilder().Member("a.iff", kOneChunk).Build(),
                           "1a; a.iff 160", nullptr, "1: DATA []"},
        HostileArchiveCase{"a 3 GiB sparse archive, its manifest at the end",
                           {},
                           "1a; a.iff 3",
                           [](const fs::path& folder) {
                               const fs::path path = folder / "x.far";
                               Bytes archive =
                                   FarBuilder().Member("a.iff", kAbc).ManifestOffset(0xC0000000).Build();
                               const Bytes manifest(archive.begin() + 19, archive.end());
                               archive.resize(19);
                               std::ofstream(path, std::ios::binary)
                                   .write(reinterpret_cast<const char*>(archive.data()), 19);
                               fs::resize_file(path, 0xC0000000);
                               std::ofstream(path, std::ios::binary | std::ios::app)
                                   .write(reinterpret_cast<const char*>(manifest.data()),
                                          static_cast<std::streamsize>(manifest.size()));
                               return path.string();
                           }},
        HostileArchiveCase{"a missing file",
                           {},
                           "declined: No such file or directory",
                           [](const fs::path& folder) { return (folder / "x.far").string(); }},
        HostileArchiveCase{"a folder named x.far",
                           {},
                           "declined: Is a directory",
                           [](const fs::path& folder) {
                               fs::create_directory(folder / "x.far");
                               return (folder / "x.far").string();
                           }},
        HostileArchiveCase{"a FIFO named x.far",
                           {},
                           "declined: Not a regular file",
                           [](const fs::path& folder) {
                               mkfifo((folder / "x.far").c_str(), 0644);
                               return (folder / "x.far").string();
                           }},
        HostileArchiveCase{"an endless device",
                           {},
                           "declined: Not a regular file",
                           [](const fs::path&) { return std::string("/dev/zero"); }}),
    fixtures::RowName());

}  // namespace
}  // namespace tarnwick
