#include "tests/ui/support/game_files.h"

#include <filesystem>

#include "model/container/chunk_walker.h"
#include "synth/bmp_builder.h"

namespace tarnwick::fixtures {

Bytes SampleFile()
{
    const Bytes map = ResourceMapBuilder()
                          .Type("STR#", 1)
                          .Entry(kNamesOffset, 0x0080, 0, "Names")
                          .Type("DATA", 1)
                          .Entry(kNumbersOffset, 0x0001, 0, "Numbers")
                          .Type("GLOB", 0)
                          .Build();
    Bytes numbers(40);
    for (std::size_t i = 0; i < numbers.size(); ++i)
        numbers[i] = static_cast<std::uint8_t>(i);
    Bytes sprite(kSampleSpriteSize);
    for (std::size_t i = 0; i < sprite.size(); ++i)
        sprite[i] = static_cast<std::uint8_t>(i * 7);
    return IffBuilder()
        .Header("IFF FILE 2.5:TYPE FOLLOWED BY SIZE", 266)
        .Chunk("STR#", "Names", StringTableContents(0xFF, 2, ToBytes(std::string_view("\0Hi\0Yo\0", 7))),
               0x80)
        .Chunk("DATA", "Numbers", numbers, 1)
        .Chunk("rsmp", "", map)
        .Chunk("SPR#", "Sprite", sprite, 2)
        .Chunk("BMP_", "Picture", BmpFile(SamplePicture()), 3)
        .Build();
}

Bitmap SamplePicture()
{
    Bitmap picture{48, 32, 24, false, {}, {}, {}};
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            picture.pixels.push_back(static_cast<std::uint32_t>((x * 5) << 16 | (y * 8) << 8 | 0xA0));
    return picture;
}

GameFolder::GameFolder()
{
    const std::string characters = "drive_c/The Sims/UserData/Characters/";
    std::filesystem::create_directories(dir_.Path() / characters / "x.IFF");
    std::filesystem::create_directories(dir_.Path() / "dosdevices");
    std::filesystem::create_directory_symlink("../drive_c", dir_.Path() / "dosdevices" / "c:");
    dir_.Write(characters + "a.IFF", SampleFile());
    dir_.Write(characters + "b.iff", IffBuilder().Chunk("GLOB", "Only", ToBytes("abc")).Build());
    IffBuilder many;
    for (int i = 0; i < 1001; ++i)
        many.Chunk("DATA", "", {});
    dir_.Write(characters + "many.IFF", many.Build());
    dir_.Write(characters + "c.WLL", IffBuilder().Build());
    dir_.Write(characters + "d.FLR", IffBuilder().Build());
}

QString GameFolder::Prefix() const { return QString::fromStdString(dir_.Path().string()); }

QString GameFolder::Characters() const
{
    return Prefix() + QStringLiteral("/drive_c/The Sims/UserData/Characters");
}

void LoadBytes(OpenFile& openFile, const Bytes& bytes)
{
    openFile.FileData = ByteString(bytes);
    openFile.Chunks.Clear();
    ChunkWalker walker(openFile.FileData);
    while (auto chunk = walker.Next())
        openFile.Chunks.Add(std::move(*chunk));
}

}  // namespace tarnwick::fixtures
