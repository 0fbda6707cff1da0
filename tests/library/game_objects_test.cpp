// The game's own objects, which a download's object may replace.
#include "library/game_objects.h"

#include <gtest/gtest.h>

#include "synth/far_builder.h"
#include "synth/library_tree_builder.h"
#include "synth/temp_dir.h"
#include "tests/support/case_name.h"

namespace tarnwick::library {
namespace {

namespace fs = std::filesystem;
using fixtures::Bytes;

constexpr std::uint32_t kGuid = 0x4C4D0004;

Bytes Table(std::uint32_t guid = kGuid)
{
    return fixtures::ObjectFileBytes({.guid = guid, .label = "Table"});
}

Bytes ArchiveOfTable() { return fixtures::FarBuilder().Member("Objects\\Table.iff", Table()).Build(); }

struct OriginalRow {
    const char* name;
    std::vector<std::string> files;  // under the game folder; *.far ones hold the table as a member
    std::string expected;            // "path | member" under the game folder; empty for none
};

class GameObjectOriginals : public testing::TestWithParam<OriginalRow> {};

TEST_P(GameObjectOriginals, AreTheGameOwnObjects)
{
    const fixtures::TempDir game;
    for (const std::string& file : GetParam().files)
        fixtures::WriteFile(game.Path() / file, file.ends_with(".far") ? ArchiveOfTable() : Table());
    const auto objects = IndexGameObjects(game.Path(), {});
    ASSERT_TRUE(objects);
    std::string where;
    if (const auto found = objects->Find(kGuid))
        where = fs::path(found->path).lexically_relative(game.Path()).generic_string() +
                (found->member.empty() ? "" : " | " + found->member);
    EXPECT_EQ(where, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Trees, GameObjectOriginals,
    testing::Values(OriginalRow{"ArchiveBeforeALooseFile",
                                {"GameData/Objects/Aardvark.iff", "GameData/Objects/Objects.far"},
                                "GameData/Objects/Objects.far | Objects\\Table.iff"},
                    OriginalRow{"FirstLooseFileByPath",
                                {"GameData/Objects/B.iff", "GameData/Objects/A.iff"},
                                "GameData/Objects/A.iff"},
                    OriginalRow{"InAnExpansion",
                                {"ExpansionPack2/ExpansionPack2.far"},
                                "ExpansionPack2/ExpansionPack2.far | Objects\\Table.iff"},
                    OriginalRow{"InDeluxe", {"Deluxe/Deluxe.far"}, "Deluxe/Deluxe.far | Objects\\Table.iff"},
                    OriginalRow{
                        "FolderNamedInAnyCase", {"GAMEDATA/objects/table.iff"}, "GAMEDATA/objects/table.iff"},
                    OriginalRow{"NotInDownloads", {"Downloads/Table.iff", "Downloads/Pack.far"}, ""},
                    OriginalRow{"NotInTheNeighbourhood", {"UserData/Houses/House01.iff"}, ""},
                    OriginalRow{"NotBesideTheFolders", {"GameDataOld/Table.iff", "Table.iff"}, ""}),
    fixtures::RowName());

struct HoldsRow {
    const char* name;
    std::string path;  // under the game folder
    bool held;
};

class GameObjectFiles : public testing::TestWithParam<HoldsRow> {};

TEST_P(GameObjectFiles, AreThoseInTheGameFolders)
{
    const fixtures::TempDir game;
    for (const char* folder : {"GameData", "ExpansionShared", "Downloads"})
        fs::create_directories(game.Path() / folder);
    // A file is no folder of the game's, whatever its name.
    fixtures::WriteFile(game.Path() / "ExpansionPack3", Table());
    EXPECT_EQ(IsGameOwnFile((game.Path() / GetParam().path).string(), game.Path()), GetParam().held);
}

INSTANTIATE_TEST_SUITE_P(Paths, GameObjectFiles,
                         testing::Values(HoldsRow{"GameData", "GameData/Objects/Table.iff", true},
                                         HoldsRow{"AnExpansion", "ExpansionShared/SkinsBuy/a.iff", true},
                                         HoldsRow{"Downloads", "Downloads/Table.iff", false},
                                         HoldsRow{"ANameThatOnlyBeginsSo", "GameDataOld/Table.iff", false},
                                         HoldsRow{"ClimbingOut", "GameData/../Downloads/Table.iff", false},
                                         HoldsRow{"AFileNamedAsAnExpansion", "ExpansionPack3/a.iff", false},
                                         HoldsRow{"TheGameFolderItself", "Table.iff", false}),
                         fixtures::RowName());

TEST(GameObjectIndex, IsKeptInTheCacheAndReadFromItNextTime)
{
    const fixtures::TempDir dir;
    const fs::path game = dir.Path() / "game";
    const fs::path cache = dir.Path() / "cache" / "library.sqlite";
    const fs::path table = game / "GameData" / "Objects" / "Table.iff";
    fixtures::WriteFile(table, Table());
    ASSERT_TRUE(IndexGameObjects(game, cache)->Find(kGuid));

    // Other bytes of the same size and time: only a read sees them.
    const auto time = fs::last_write_time(table);
    fixtures::WriteFile(table, Table(kGuid + 1));
    fs::last_write_time(table, time);
    EXPECT_TRUE(IndexGameObjects(game, cache)->Find(kGuid));
    EXPECT_TRUE(IndexGameObjects(game, {})->Find(kGuid + 1));
}

TEST(GameObjectIndex, CutShortIsNoIndex)
{
    const fixtures::TempDir game;
    fixtures::WriteFile(game.Path() / "GameData" / "Table.iff", Table());
    std::stop_source stop;
    stop.request_stop();
    EXPECT_EQ(IndexGameObjects(game.Path(), {}, stop.get_token()), nullptr);
}

TEST(GameObjectIndex, ADamagedArchiveHoldsNoOriginal)
{
    const fixtures::TempDir game;
    Bytes archive = ArchiveOfTable();
    archive.resize(archive.size() - 5);  // the manifest cut short
    fixtures::WriteFile(game.Path() / "GameData" / "Objects" / "Objects.far", archive);
    EXPECT_FALSE(IndexGameObjects(game.Path(), {})->Find(kGuid));
}

}  // namespace
}  // namespace tarnwick::library
