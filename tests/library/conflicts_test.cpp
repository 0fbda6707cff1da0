// GUIDs shared between files, classified by what the player should do about them.
#include "library/conflicts.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "library/library_scan.h"
#include "synth/library_tree_builder.h"
#include "synth/temp_dir.h"
#include "tests/support/case_name.h"

namespace tarnwick::library {
namespace {

namespace fs = std::filesystem;

struct Placed {
    std::string path;
    fixtures::ObjectFile object;
};

struct ConflictRow {
    const char* name;
    std::vector<Placed> files;
    std::vector<ConflictClass> classes;  // of the groups found, in order
};

class Conflicts : public testing::TestWithParam<ConflictRow> {};

std::vector<FileRecord> ScanAll(const fs::path& root)
{
    std::vector<FileRecord> files;
    (void)Scan({root.string()}, {1, {}}, {{}, [&](std::vector<FileRecord> records, std::size_t) {
                                              for (FileRecord& record : records)
                                                  files.push_back(std::move(record));
                                          }});
    return files;
}

TEST_P(Conflicts, AreClassified)
{
    const fixtures::TempDir dir;
    for (const Placed& placed : GetParam().files)
        fixtures::WriteFile(dir.Path() / placed.path, fixtures::ObjectFileBytes(placed.object));
    const std::vector<FileRecord> files = ScanAll(dir.Path());
    std::vector<ConflictClass> classes;
    for (const ConflictGroup& group : FindConflicts(files))
        classes.push_back(group.kind);
    EXPECT_EQ(classes, GetParam().classes);
}

const fixtures::ObjectFile kChair{7, 0, "Chair", "Chair", 80};
const fixtures::ObjectFile kLamp{7, 0, "Lamp", "Lamp", 60};
const fixtures::ObjectFile kCheapChair{7, 0, "Chair", "Chair", 40};
const fixtures::ObjectFile kSofa{8, 0, "Sofa", "Sofa", 900};

INSTANTIATE_TEST_SUITE_P(
    Groups, Conflicts,
    testing::Values(
        ConflictRow{"different GUIDs", {{"a.iff", kChair}, {"b.iff", kSofa}}, {}},
        ConflictRow{
            "different objects", {{"a.iff", kChair}, {"b.iff", kLamp}}, {ConflictClass::DifferentObjects}},
        ConflictRow{"versions", {{"a.iff", kChair}, {"old/a.iff", kCheapChair}}, {ConflictClass::Versions}},
        ConflictRow{"identical copies",
                    {{"a.iff", kChair}, {"copy/a.iff", kChair}},
                    {ConflictClass::IdenticalCopies}},
        ConflictRow{"three files, one different",
                    {{"a.iff", kChair}, {"b.iff", kChair}, {"c.iff", kLamp}},
                    {ConflictClass::DifferentObjects}},
        ConflictRow{"a download over a game object",
                    {{"GameData/Objects/chair.iff", kChair}, {"Downloads/chair.iff", kLamp}},
                    {ConflictClass::Override}},
        ConflictRow{
            "two downloads over a game object decide among themselves",
            {{"gamedata/chair.iff", kChair}, {"Downloads/a.iff", kLamp}, {"Downloads/b.iff", kCheapChair}},
            {ConflictClass::DifferentObjects}},
        ConflictRow{"two game objects",
                    {{"GameData/a.iff", kChair}, {"GameData/b.iff", kLamp}},
                    {ConflictClass::DifferentObjects}},
        ConflictRow{"the harmful group comes first",
                    {{"a.iff", kSofa}, {"copy/a.iff", kSofa}, {"b.iff", kChair}, {"c.iff", kLamp}},
                    {ConflictClass::DifferentObjects, ConflictClass::IdenticalCopies}}),
    fixtures::RowName());

TEST(Conflicts, TheConflictTreeHoldsOneGroupOfEachClass)
{
    const fixtures::TempDir dir;
    fixtures::WriteConflictTree(dir.Path());
    const std::vector<FileRecord> files = ScanAll(dir.Path());
    const std::vector<ConflictGroup> groups = FindConflicts(files);
    ASSERT_EQ(groups.size(), 4U);
    EXPECT_EQ(groups[0].guid, fixtures::kDifferentObjectsGuid);
    EXPECT_EQ(groups[1].guid, fixtures::kVersionsGuid);
    EXPECT_EQ(groups[2].guid, fixtures::kIdenticalCopiesGuid);
    EXPECT_EQ(groups[3].guid, fixtures::kOverrideGuid);
    EXPECT_EQ(CountConflicts(groups), (std::array<std::size_t, kConflictClasses>{1, 1, 1, 1}));
    for (const ConflictGroup& group : groups)
        EXPECT_EQ(group.places.size(), 2U);
}

TEST(Conflicts, TwoObjectsOfOneFileAreNoConflict)
{
    FileRecord file;
    file.path = "tiles.iff";
    file.objects = {{.guid = 5}, {.guid = 5}};
    EXPECT_TRUE(FindConflicts({file}).empty());
}

TEST(Conflicts, ArchiveMembersAndGameDataAreTheGames)
{
    EXPECT_TRUE(IsGameFile({.path = "/x/Objects.far", .member = "chair.iff"}));
    EXPECT_TRUE(IsGameFile({.path = "/games/The Sims/GAMEDATA/Objects/chair.iff"}));
    EXPECT_TRUE(IsGameFile({.path = "C:\\Sims\\GameData\\chair.iff"}));
    EXPECT_FALSE(IsGameFile({.path = "/games/The Sims/Downloads/GameDataPack/chair.iff"}));
}

}  // namespace
}  // namespace tarnwick::library
