// Writes the file model fuzzer's seeds, each under 8 KB, with the project's
// file builders: a file for each view and for each way the walk ends, so that
// mutations start from every path; and the archive fuzzer's seeds, archives of
// both layouts holding some of those files.
// Usage: tarnwick_make_seeds <folder> [archive seeds' folder]
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "model/container/chunk_types.h"
#include "model/decoders/decoded_types.h"
#include "synth/behaviour_builder.h"
#include "synth/bmp_builder.h"
#include "synth/draw_group_builder.h"
#include "synth/far_builder.h"
#include "synth/iff_builder.h"
#include "synth/object_builder.h"
#include "synth/sprite_builder.h"

namespace {

namespace fs = std::filesystem;
namespace chunk_type = tarnwick::chunk_type;
using tarnwick::fixtures::BehaviourBody;
using tarnwick::fixtures::Bitmap;
using tarnwick::fixtures::BmpFile;
using tarnwick::fixtures::Bytes;
using tarnwick::fixtures::Concat;
using tarnwick::fixtures::ConstantsBody;
using tarnwick::fixtures::IffBuilder;
using tarnwick::fixtures::InteractionsBody;
using tarnwick::fixtures::ResourceMapBuilder;
using tarnwick::fixtures::StringTableContents;
using tarnwick::fixtures::ToBytes;

constexpr const char* kHeader = "IFF FILE 2.5:TYPE FOLLOWED BY SIZE";

IffBuilder File()
{
    IffBuilder file;
    file.Header(kHeader, 0);
    return file;
}

Bitmap Picture(int bits, int width, int height)
{
    Bitmap picture{width, height, bits, false, {}, {}, {}};
    if (bits <= 8)
        for (std::uint32_t i = 0; i < (1u << bits); ++i)
            picture.palette.push_back(i * 0x010203);
    for (int i = 0; i < width * height; ++i)
        picture.pixels.push_back(bits <= 8 ? static_cast<std::uint32_t>(i) % (1u << bits)
                                           : 0x102030u * static_cast<std::uint32_t>(i));
    return picture;
}

// A 4x2 picture in RLE8, bottom row first: a run and an end of line, then a
// skip, a literal run and the picture's end.
Bitmap RunLengthPicture()
{
    Bitmap picture = Picture(8, 4, 2);
    picture.runLengthData = {2, 7, 0, 0, 0, 2, 1, 0, 0, 3, 1, 2, 3, 0, 0, 1};
    return picture;
}

// A map of the most entries the browser holds, all pointing at the first chunk.
Bytes FullMap()
{
    ResourceMapBuilder map;
    map.Type(chunk_type::kStrings, 250);
    for (std::uint16_t i = 0; i < 250; ++i)
        map.Entry(64, i, 0, "s");
    map.Type(chunk_type::kBitmap, 250);
    for (std::uint16_t i = 0; i < 250; ++i)
        map.Entry(64 + 76 + 8, i, 1, "b", 0, i % 2 == 0);
    return map.Build();
}

void Write(const fs::path& file, const Bytes& bytes)
{
    if (bytes.size() >= 8192)
        std::fprintf(stderr, "warning: %s is %zu bytes\n", file.c_str(), bytes.size());
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char* argv[])
{
    // The chunk types with a decoder of their own, as libFuzzer dictionary
    // lines: the one table of them decides what the fuzzer is told.
    if (argc == 2 && std::string(argv[1]) == "--chunk-types") {
        for (const tarnwick::DecodedType& decoded : tarnwick::DecodedTypes())
            std::printf("\"%.*s\"\n", static_cast<int>(decoded.type.size()), decoded.type.data());
        return 0;
    }
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s <folder> [archive seeds' folder] | --chunk-types\n", argv[0]);
        return 2;
    }
    const fs::path folder = argv[1];
    fs::create_directories(folder);
    const Bytes strings = {1, 'A', 'b', 1, 'c', 1};
    Write(
        folder / "strings.IFF",
        File()
            .Chunk(chunk_type::kStrings, "Names", StringTableContents(0xFF, 2, {0, 'A', 'b', 0, 'c', 0}), 128)
            .Chunk(chunk_type::kStrings, "Moods", StringTableContents(0xFE, 2, {0, 'x', 0, 'y', 0}), 129)
            .Chunk(chunk_type::kStrings, "Old", StringTableContents(0xFD, 2, strings), 130)
            .Chunk(chunk_type::kStrings, "Unknown", StringTableContents(0x10, 1, strings), 131)
            .Build());
    Write(folder / "bitmaps.IFF", File()
                                      .Chunk(chunk_type::kBitmap, "24 bits", BmpFile(Picture(24, 3, 2)))
                                      .Chunk(chunk_type::kBitmap, "8 bits", BmpFile(Picture(8, 4, 2)))
                                      .Chunk(chunk_type::kBitmap, "4 bits", BmpFile(Picture(4, 5, 2)))
                                      .Chunk(chunk_type::kBitmap, "1 bit", BmpFile(Picture(1, 9, 2)))
                                      .Chunk(chunk_type::kBitmap, "RLE8", BmpFile(RunLengthPicture()))
                                      .Build());
    Bytes sprite(300);
    for (std::size_t i = 0; i < sprite.size(); ++i)
        sprite[i] = static_cast<std::uint8_t>(i * 7);
    Write(folder / "sprite.WLL", File()
                                     .Chunk(chunk_type::kOldSprite, "Wall", sprite)
                                     .Chunk(chunk_type::kBehaviour, "Unknown", ToBytes("bytes"))
                                     .Build());
    Write(folder / "map.FLR",
          File()
              .Chunk(chunk_type::kStrings, "Name", StringTableContents(0xFF, 1, {0, 'O', 'a', 'k', 0}))
              .Chunk("rsmp", "", FullMap())
              .Build());
    // A draw group of a mirrored and a plain entry over a sprite with depth and
    // alpha, one entry naming an absent sprite; and an old version's group.
    const tarnwick::fixtures::SpritePicture dot{2, 2, {1, 2, -1, 3}, {9, 40, 0, 200}, {31, 31, 0, 12}};
    const std::vector<tarnwick::DrawGroupImage> images = {
        {0x01, 3, {{7, 0, -1, 2, 1, 0, 0, 0}, {7, 0, 0, 1, 0, 0, 0, 0.1f}, {8, 0, 0, 0, 0, 0, 0, 0}}},
        {0x40, 1, {{7, 0, 4, 4, 0, 0, 0, 0}}}};
    Write(folder / "draw group.IFF",
          File()
              .Chunk(chunk_type::kPalette, "",
                     tarnwick::fixtures::PaletteBody({0, 0xFF0000, 0x00FF00, 0x0000FF}), 7 << 16)
              .Chunk(chunk_type::kSprite, "",
                     tarnwick::fixtures::Sprite2Body(
                         1000, 7, {tarnwick::fixtures::Sprite2PictureFrame({0, 0, 7, 7, 0, 0, 0}, dot)}),
                     7 << 16)
              .Chunk(chunk_type::kDrawGroup, "", tarnwick::fixtures::DrawGroupBody(20004, images), 1 << 16)
              .Chunk(chunk_type::kDrawGroup, "", tarnwick::fixtures::DrawGroupBody(20000, images), 2 << 16)
              .Build());
    const std::vector<tarnwick::Interaction> menu = {
        {4096, 4097, 1, 0, 3, 0x3F800000, 50, -1, {{-5, 10, 7}}, 2}};
    Write(
        folder / "object.IFF",
        File()
            .Chunk(chunk_type::kBehaviour, "Main",
                   BehaviourBody({}, {{4097, 1, 253, {1, 2}}, {8192, 254, 9, {}}}), 0x10000000)
            .Chunk(chunk_type::kBehaviour, "Compact",
                   BehaviourBody({0x8003, 1, 2, 3, 4, -1}, {{2, 254, 255, {}}}), 0x10010000)
            .Chunk(chunk_type::kInteractions, "Packed", InteractionsBody(9, menu, true), 0x00C80000)
            .Chunk(chunk_type::kInteractions, "Plain", InteractionsBody(10, menu), 0x00C90000)
            .Chunk(chunk_type::kInteractions, "Old", InteractionsBody(5, menu), 0x00CA0000)
            .Chunk(chunk_type::kConstants, "Tuning", ConstantsBody(0x80, {5, 0xFFFF}), 0x10000000)
            .Chunk(chunk_type::kSemiGlobal, "Semi", Concat({{0x0B}, ToBytes("DoorGlobals.iff")}), 0x00800000)
            .Chunk(chunk_type::kSemiGlobal, "Plain", ToBytes(std::string("ChairGlobals\0", 13)), 0x00810000)
            .Chunk(chunk_type::kObjectDefinition, "Chair",
                   tarnwick::fixtures::ObjectDefinitionBody(138, 106, {{1, 1}, {3, 4096}, {5, 200}, {39, 9}}),
                   0x00800000)
            .Build());
    Write(folder / "too many.IFF", File().ChunkWithSizeField("DATA", 0, "", {}).Build());
    Write(folder / "cut short.IFF", File()
                                        .Chunk("DATA", "", Bytes(8, 1))
                                        .ChunkWithSizeField(chunk_type::kBitmap, 5000, "", {'B', 'M'})
                                        .Build());
    Write(folder / "negative size.IFF",
          File().ChunkWithSizeField("DATA", 0xFFFFFFF0, "", Bytes(4)).Chunk("MORE", "", {}).Build());
    Write(folder / "header only.IFF", File().Build());

    // Archives: a file model seed of its own, and the archive fuzzer's seeds.
    using tarnwick::FarLayout;
    using tarnwick::fixtures::FarBuilder;
    const Bytes small =
        File().Chunk(chunk_type::kStrings, "Names", StringTableContents(0xFF, 1, {0, 'A', 0}), 128).Build();
    const Bytes objects = FarBuilder()
                              .Member("strings.iff", small)
                              .Member("People\\maid.iff", File().Chunk("DATA", "", Bytes(8, 1)).Build())
                              .Build();
    Write(folder / "Objects.far", objects);
    if (argc == 3) {
        const fs::path archives = argv[2];
        fs::create_directories(archives);
        Write(archives / "objects.far", objects);
        Write(archives / "online.far",
              FarBuilder(FarLayout::Version1b).Member("a.iff", small).Member("b", {}).Build());
        Write(archives / "empty.far", FarBuilder().Build());
        Write(archives / "hostile names.far", FarBuilder()
                                                  .Member("..\\..\\evil.iff", small)
                                                  .Member("C:\\con.iff", {1})
                                                  .Member("caf\xE9 .iff.", {2})
                                                  .Member("A.IFF", {3})
                                                  .Member("a.iff", {4})
                                                  .Build());
        Write(archives / "damaged.far", FarBuilder()
                                            .Member("a.iff", small)
                                            .SecondSize(1)
                                            .Member("b.iff", {5})
                                            .Offset(0xFFFFFF00)
                                            .Build());
        Write(archives / "version 3.far", FarBuilder().Version(3).Member("a.iff", {}).Build());
        Write(archives / "nested.far", FarBuilder().Member("inner.far", objects).Build());
    }
    return 0;
}
