// Writes a demo game folder inside a Wine-style prefix: a system.reg naming
// the game's folder, the C: drive link, a neighbourhood whose characters
// folder holds character, wall and floor files that show every view, the
// behaviour file the game's folder is known by, and an archive of objects as
// the game packs them. Usage: tarnwick_make_demo <prefix folder>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "synth/bmp_builder.h"
#include "synth/called_behaviour_files.h"
#include "synth/far_builder.h"
#include "synth/iff_builder.h"
#include "synth/library_tree_builder.h"
#include "synth/multi_tile_object.h"
#include "synth/showcase.h"
#include "synth/showcase_object.h"
#include "synth/sprite_builder.h"

namespace {

namespace fs = std::filesystem;
using tarnwick::fixtures::Bitmap;
using tarnwick::fixtures::BmpFile;
using tarnwick::fixtures::Bytes;
using tarnwick::fixtures::IffBuilder;
using tarnwick::fixtures::ResourceMapBuilder;
using tarnwick::fixtures::StringTableContents;
using tarnwick::fixtures::ToBytes;

constexpr std::uint32_t kHeaderSize = 64, kChunkHeaderSize = 76;

struct Chunk {
    std::string type, label;
    Bytes contents;
    std::uint16_t id;
};

// Strings in a table: each is preceded and ended by the format's terminator.
Bytes Strings(std::uint8_t format, const std::vector<std::string>& texts)
{
    const auto terminator = static_cast<std::uint8_t>(format == 0xFD ? 1 : 0);
    Bytes records = {terminator};
    for (const std::string& text : texts) {
        records.insert(records.end(), text.begin(), text.end());
        records.push_back(terminator);
    }
    return StringTableContents(format, static_cast<std::uint8_t>(texts.size()), records);
}

Bitmap Gradient(int width, int height, int bitsPerPixel)
{
    Bitmap picture{width, height, bitsPerPixel, false, {}, {}, {}};
    if (bitsPerPixel == 8)
        for (std::uint32_t i = 0; i < 256; ++i)
            picture.palette.push_back(i << 16 | (255 - i) << 8 | 0x60);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.pixels.push_back(
                bitsPerPixel == 8
                    ? static_cast<std::uint32_t>((x * 255 / width + y) % 256)
                    : static_cast<std::uint32_t>((x * 255 / width) << 16 | (y * 255 / height) << 8 | 0x80));
    return picture;
}

Bytes SpriteBytes(std::size_t size)
{
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>((i % 65) * 4 ^ (i / 65) * 8);
    return bytes;
}

// A file of these chunks, ending with a resource map of all of them whose
// positions point at the chunks themselves.
Bytes FileWithMap(const std::vector<Chunk>& chunks)
{
    ResourceMapBuilder map;
    std::uint32_t offset = kHeaderSize;
    std::vector<std::uint32_t> offsets;
    for (const Chunk& chunk : chunks) {
        offsets.push_back(offset);
        offset += kChunkHeaderSize + static_cast<std::uint32_t>(chunk.contents.size());
    }
    std::vector<std::string> types;
    for (const Chunk& chunk : chunks)
        if (std::find(types.begin(), types.end(), chunk.type) == types.end())
            types.push_back(chunk.type);
    for (const std::string& type : types) {
        std::int32_t count = 0;
        for (const Chunk& chunk : chunks)
            count += chunk.type == type;
        map.Type(type, count);
        for (std::size_t i = 0; i < chunks.size(); ++i)
            if (chunks[i].type == type)
                map.Entry(offsets[i], chunks[i].id, 0, chunks[i].label);
    }
    IffBuilder file;
    file.Header("IFF FILE 2.5:TYPE FOLLOWED BY SIZE", offset);
    for (const Chunk& chunk : chunks)
        file.Chunk(chunk.type, chunk.label, chunk.contents, tarnwick::fixtures::ChunkId(chunk.id));
    file.Chunk("rsmp", "", map.Build());
    return file.Build();
}

void Write(const fs::path& file, const Bytes& bytes)
{
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

IffBuilder ObjectFile()
{
    IffBuilder object;
    object.Header("IFF FILE 2.5:TYPE FOLLOWED BY SIZE", 0);
    tarnwick::fixtures::AddShowcaseObjectFile(object);
    return object;
}

void WriteGameFiles(const fs::path& characters)
{
    Write(characters / "Demo Character.IFF",
          FileWithMap({
              {"STR#", "Names", Strings(0xFF, {"Bella", "Mortimer", "Cassandra"}), 128},
              {"STR#", "Moods (code 254)", Strings(0xFE, {"Happy", "Tired", "Hungry"}), 129},
              {"STR#", "Old table (code 253)", Strings(0xFD, {"First", "Second"}), 130},
              {"STR#", "Unknown format", Strings(0x10, {"shown as bytes"}), 131},
              {"BMP_", "Portrait", BmpFile(Gradient(64, 48, 24)), 200},
              {"BMP_", "Thumbnail", BmpFile(Gradient(32, 32, 8)), 201},
              {"SPR#", "Walking", SpriteBytes(4000), 300},
              {"BHAV", "An unknown type", ToBytes("Bytes that no view decodes, shown as a dump."), 400},
              {"GLOB", "Empty", {}, 401},
              {"CTSS", "Bath towel (8 languages)", tarnwick::fixtures::ShowcaseTextTable(), 500},
              {"PALT", "Warm colours", tarnwick::fixtures::ShowcasePalette(), 300},
              {"SPR2", "Ball, with depth and alpha", tarnwick::fixtures::ShowcaseSprite2(300), 300},
              {"SPR#", "Ball, old form", tarnwick::fixtures::ShowcaseOldSprite(300), 301},
              {"FBMP", "Large picture", BmpFile(Gradient(320, 240, 24)), 600},
          }));

    Write(characters / "Demo Object.IFF", ObjectFile().Build());

    for (const auto& [name, tiles] :
         {std::pair{"Demo Bench (2 tiles).IFF", tarnwick::fixtures::kTwoTileBench},
          std::pair{"Demo Stage (9 tiles).IFF", tarnwick::fixtures::kNineTileStage}}) {
        tarnwick::fixtures::IffBuilder multiTile;
        multiTile.Header("IFF FILE 2.5:TYPE FOLLOWED BY SIZE", 0);
        tarnwick::fixtures::AddMultiTileObjectFile(multiTile, tiles);
        Write(characters / name, multiTile.Build());
    }

    IffBuilder many;
    many.Header("IFF FILE 2.5:TYPE FOLLOWED BY SIZE", 0);
    for (int i = 0; i < 1005; ++i)
        many.Chunk("DATA", "Chunk " + std::to_string(i + 1), Bytes(8, static_cast<std::uint8_t>(i)));
    Write(characters / "Many Chunks.IFF", many.Build());

    // Its second chunk claims more bytes than the file holds.
    Bytes damaged = IffBuilder()
                        .Header("IFF FILE 2.5:TYPE FOLLOWED BY SIZE", 0)
                        .Chunk("STR#", "Whole", Strings(0xFF, {"Still readable"}), 1)
                        .ChunkWithSizeField("BMP_", 5000, "Cut short", BmpFile(Gradient(40, 40, 24)), 2)
                        .Build();
    damaged.erase(damaged.end() - 2000, damaged.end());  // the last 2000 bytes go
    Write(characters / "Damaged.IFF", damaged);

    // An object whose main behaviour calls the game's: named from GameData/Global.
    Write(characters / "Demo Fountain.IFF", tarnwick::fixtures::DemoFountainFile());

    Write(characters / "Demo Wall.WLL", FileWithMap({{"SPR#", "Wall sprite", SpriteBytes(2600), 1},
                                                     {"STR#", "Wall name", Strings(0xFF, {"Brick"}), 2}}));
    Write(characters / "Demo Floor.FLR", FileWithMap({{"SPR#", "Floor sprite", SpriteBytes(1800), 1},
                                                      {"STR#", "Floor name", Strings(0xFF, {"Oak"}), 2}}));
}

// GameData: Behavior.iff, which marks a game folder, Objects\Objects.far,
// its members in folders as the game's are, and Global\Global.far with the
// global behaviours and a semi-global file.
void WriteGameData(const fs::path& gameData)
{
    Write(gameData / "Behavior.iff",
          FileWithMap({{"STR#", "Behaviour names", Strings(0xFF, {"Idle", "Wander"}), 128},
                       {"BHAV", "Idle", ToBytes("A behaviour, shown as a dump."), 4096}}));
    const auto person = [](const std::string& name) {
        return FileWithMap({{"STR#", "Names", Strings(0xFF, {name}), 128},
                            {"BMP_", "Portrait", BmpFile(Gradient(32, 32, 24)), 200}});
    };
    Write(gameData / "Objects" / "Objects.far",
          tarnwick::fixtures::FarBuilder()
              .Member("Demo Object.iff", ObjectFile().Build())
              .Member("People\\Bella.iff", person("Bella"))
              .Member("People\\Mortimer.iff", person("Mortimer"))
              .Member("People\\Maid.iff", person("Maid"))
              .Member("Ball.iff",
                      FileWithMap({{"PALT", "Warm colours", tarnwick::fixtures::ShowcasePalette(), 300},
                                   {"SPR2", "Ball", tarnwick::fixtures::ShowcaseSprite2(300), 300}}))
              .Member("Towel.iff", FileWithMap({{"CTSS", "Bath towel (8 languages)",
                                                 tarnwick::fixtures::ShowcaseTextTable(), 500}}))
              .Member("Walls\\Brick.wll", FileWithMap({{"SPR#", "Wall sprite", SpriteBytes(2600), 1},
                                                       {"STR#", "Wall name", Strings(0xFF, {"Brick"}), 2}}))
              .Member("Floors\\Oak.flr", FileWithMap({{"SPR#", "Floor sprite", SpriteBytes(1800), 1},
                                                      {"STR#", "Floor name", Strings(0xFF, {"Oak"}), 2}}))
              .Build());
    Write(gameData / "Global" / "Global.far", tarnwick::fixtures::DemoGlobalArchive());
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <prefix folder>\n", argv[0]);
        return 2;
    }
    const fs::path prefix = argv[1];
    // Written anew each time, but only over a folder this program made: one
    // holding a marker of ours, or an empty or missing one.
    const fs::path marker = prefix / ".tarnwick-demo";
    std::error_code error;
    if (fs::exists(prefix, error) && !fs::is_empty(prefix, error) && !fs::exists(marker, error)) {
        std::fprintf(stderr, "%s: not a demo folder; leaving it alone\n", argv[1]);
        return 1;
    }
    fs::remove_all(prefix);
    fs::create_directories(prefix);
    std::ofstream(marker) << "Written by tarnwick_make_demo.\n";
    // On disk the folders' case differs from the registry's path, as it often
    // does under Wine: the program matches names without regard to case.
    const fs::path game = prefix / "drive_c" / "Program Files" / "Maxis" / "The Sims";
    WriteGameFiles(game / "userdata" / "characters");
    // The classic game keeps its saves in the game's folder: UserData holds a
    // neighbourhood once it has a Neighborhood.iff.
    Write(game / "userdata" / "Neighborhood.iff",
          FileWithMap({{"STR#", "Neighbourhood", Strings(0xFF, {"Demo Neighbourhood"}), 128}}));
    WriteGameData(game / "GameData");
    // Downloads with a GUID conflict of every class and a damaged download,
    // and the game object one of them overrides, for the library.
    tarnwick::fixtures::WriteConflictTree(game);
    fs::create_directories(prefix / "dosdevices");
    fs::create_directory_symlink("../drive_c", prefix / "dosdevices" / "c:");
    std::ofstream registry(prefix / "system.reg", std::ios::trunc);
    registry << "WINE REGISTRY Version 2\n"
                ";; All keys relative to \\\\Machine\n\n"
                "#arch=win64\n\n"
                "[Software\\\\Wow6432Node\\\\Maxis\\\\The Sims] 1700000000\n"
                "#time=1da0000000000000\n"
                "\"SIMS_DATA\"=\"C:\\\\Program Files\\\\Maxis\\\\The Sims\"\n";
    return registry ? 0 : 1;
}
