// Files that are damaged, cut short, huge or no files at all: each row says
// what the program shows for it, through the loader and then every decoder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <algorithm>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>

#include "model/chunk_window/chunk_dump.h"
#include "model/chunk_window/chunk_texts.h"
#include "model/chunk_window/offset_view.h"
#include "model/chunk_window/string_lines.h"
#include "model/decoders/bmp_header.h"
#include "model/decoders/resource_map.h"
#include "synth/bmp_builder.h"
#include "synth/iff_builder.h"
#include "tests/model/recording_output.h"
#include "tests/support/case_name.h"
#include "tests/support/ordinary_user.h"

namespace tarnwick {
namespace {

namespace fs = std::filesystem;
using fixtures::Bytes;
using fixtures::Concat;
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

}  // namespace
}  // namespace tarnwick
