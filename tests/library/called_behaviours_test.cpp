// The names and places of the global and semi-global behaviours an object calls.
#include "library/called_behaviours.h"

#include <gtest/gtest.h>

#include "model/container/chunk_walker.h"
#include "model/decoders/linked_chunks.h"
#include "synth/called_behaviour_files.h"
#include "synth/far_builder.h"
#include "synth/library_tree_builder.h"
#include "synth/sprite_builder.h"
#include "synth/temp_dir.h"
#include "tests/support/case_name.h"

namespace tarnwick::library {
namespace {

namespace fs = std::filesystem;
using fixtures::Bytes;

const Bytes kGlobals = fixtures::BehaviourFileBytes({{280, "Idle"}, {281, "Wander"}});
const Bytes kPersonGlobals = fixtures::BehaviourFileBytes({{8192, "Greet"}});

struct TreeFile {
    std::string path;  // under the game folder, or a member's name
    Bytes bytes;
};

struct CallRow {
    const char* name;
    std::vector<TreeFile> files;
    std::string semiGlobal;  // empty for a global call
    std::uint16_t id;
    std::string expected;  // "name @ path | member" under the game folder, empty for none
};

class CalledBehaviours : public testing::TestWithParam<CallRow> {};

TEST_P(CalledBehaviours, AreFoundWhereTheGameKeepsThem)
{
    const CallRow& row = GetParam();
    const fixtures::TempDir dir;
    for (const TreeFile& file : row.files)
        fixtures::WriteFile(dir.Path() / file.path, file.bytes);
    GameBehaviours game(dir.Path());
    const std::optional<CalledBehaviour> found =
        row.semiGlobal.empty() ? game.Global(row.id) : game.SemiGlobal(row.semiGlobal, row.id);
    std::string where;
    if (found)
        where = found->name + " @ " + fs::path(found->place.path).lexically_relative(dir.Path()).string() +
                (found->place.member.empty() ? "" : " | " + found->place.member);
    EXPECT_EQ(where, row.expected);
    EXPECT_TRUE(!found || found->place.id == row.id);
}

Bytes Archive(const std::vector<TreeFile>& members)
{
    fixtures::FarBuilder archive;
    for (const TreeFile& member : members)
        archive.Member(member.path, member.bytes);
    return archive.Build();
}

const std::string kFar = "GameData/Global/Global.far";
const std::string kLoose = "GameData/Global/global.iff";
const TreeFile kArchive{kFar, Archive({{"global.iff", kGlobals}, {"personglobals.iff", kPersonGlobals}})};

INSTANTIATE_TEST_SUITE_P(
    Trees, CalledBehaviours,
    testing::Values(
        CallRow{"global_in_the_archive", {kArchive}, "", 281, "Wander @ " + kFar + " | global.iff"},
        CallRow{"loose_file_beats_the_member",
                {kArchive, {kLoose, fixtures::BehaviourFileBytes({{280, "Loose"}})}},
                "",
                280,
                "Loose @ " + kLoose},
        CallRow{"names_in_any_case",
                {{"GAMEDATA/GLOBAL/GLOBAL.FAR", Archive({{"Global\\GLOBAL.IFF", kGlobals}})}},
                "",
                280,
                "Idle @ GAMEDATA/GLOBAL/GLOBAL.FAR | Global\\GLOBAL.IFF"},
        CallRow{"an_id_not_present", {kArchive}, "", 300, ""}, CallRow{"no_global_folder", {}, "", 280, ""},
        CallRow{"damaged_archive", {{kFar, fixtures::ToBytes("FAR!byAZ....")}}, "", 280, ""},
        CallRow{"semi_global_member",
                {kArchive},
                "PersonGlobals",
                8192,
                "Greet @ " + kFar + " | personglobals.iff"},
        CallRow{
            "semi_global_loose_in_any_case",
            {kArchive, {"GameData/Global/PERSONGLOBALS.IFF", fixtures::BehaviourFileBytes({{8192, "Hi"}})}},
            "PersonGlobals",
            8192,
            "Hi @ GameData/Global/PERSONGLOBALS.IFF"},
        CallRow{"semi_global_file_missing", {kArchive}, "DoorGlobals", 8192, ""},
        CallRow{"semi_global_named_with_its_suffix",
                {kArchive},
                "PERSONGLOBALS.IFF",
                8192,
                "Greet @ " + kFar + " | personglobals.iff"},
        CallRow{"semi_global_name_climbing_out",
                {{kLoose, kGlobals}, {"personglobals.iff", kPersonGlobals}},
                "../../PersonGlobals",
                8192,
                ""}),
    fixtures::RowName());

// A global.iff written out by hand: the file header, then one "BHAV" chunk.
const Bytes kHandWrittenGlobals = [] {
    Bytes file(64, ' ');  // the file header: its text is never read here
    const Bytes chunkHeader = {
        'B',  'H',  'A',  'V',   // type
        0x00, 0x00, 0x00, 0x64,  // size, big-endian: the 76-byte header and a 24-byte body
        0x01, 0x2C,              // ID 300, big-endian
        0x00, 0x10,              // flags
    };
    Bytes label = fixtures::ToBytes("Sit down");
    label.resize(64, 0);  // the label, NUL-padded to 64 bytes
    const Bytes body = {
        0x02, 0x80,                          // signature 0x8002
        0x01, 0x00,                          // one instruction
        0x00, 0x00,                          // tree type, arguments
        0x00, 0x00, 0x00, 0x00,              // locals, tree version
        0x00, 0x00,                          // unused
        0x02, 0x00, 0xFE, 0xFF,              // opcode 2 (expression), true: return true, false: return false
        0,    0,    0,    0,    0, 0, 0, 0,  // operands
    };
    return fixtures::Concat({file, chunkHeader, label, body});
}();

TEST(CalledBehaviours, NamesABehaviourOfAHandWrittenFile)
{
    const fixtures::TempDir dir;
    fixtures::WriteFile(dir.Path() / "GameData" / "Global" / "global.iff", kHandWrittenGlobals);
    GameBehaviours game(dir.Path());
    const std::optional<CalledBehaviour> found = game.Global(300);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->name, "Sit down");
    EXPECT_FALSE(game.Global(0x2C01));  // the ID is big-endian
}

// The object's "GLOB" names the file as the game stores it, either way.
TEST(CalledBehaviours, SemiGlobalNamedByAPascalOrAZeroEndedGlobal)
{
    const fixtures::TempDir dir;
    fixtures::WriteFile(dir.Path() / "GameData" / "Global" / "Global.far",
                        Archive({{"doorglobals.iff", fixtures::BehaviourFileBytes({{8200, "Open door"}})}}));
    Bytes pascal = fixtures::Concat({{0x0B}, fixtures::ToBytes("DoorGlobals.iff")});
    pascal.resize(256, 0xA3);
    for (const Bytes& global : {pascal, fixtures::ToBytes(std::string("DoorGlobals\0", 12))}) {
        const Bytes object = fixtures::IffBuilder()
                                 .Header("IFF FILE 2.5:TYPE FOLLOWED BY SIZE", 0)
                                 .Chunk("GLOB", "Semi", global, fixtures::ChunkId(128))
                                 .Build();
        ChunkTable chunks;
        ChunkWalker walker{ByteString(object)};
        while (std::optional<ChunkInfo> chunk = walker.Next())
            chunks.Add(std::move(*chunk));
        const std::optional<CalledBehaviour> found =
            BehavioursOfGame(dir.Path())->SemiGlobal(SemiGlobalFileName(chunks), 8200);
        ASSERT_TRUE(found) << global.size();
        EXPECT_EQ(found->name, "Open door");
    }
}

TEST(CalledBehaviours, GameFolderIsTheNearestHoldingTheBehaviourFile)
{
    const fixtures::TempDir dir;
    fixtures::WriteFile(dir.Path() / "Game" / "gamedata" / "BEHAVIOR.IFF", kGlobals);
    fixtures::WriteFile(dir.Path() / "Game" / "gamedata" / "Objects" / "Objects.far", {});
    fixtures::WriteFile(dir.Path() / "Elsewhere" / "chair.iff", {});
    EXPECT_EQ(GameFolderAround(dir.Path() / "Game" / "gamedata" / "Objects" / "Objects.far"),
              dir.Path() / "Game");
    EXPECT_EQ(GameFolderAround(dir.Path() / "Game" / "x.iff"), dir.Path() / "Game");
    EXPECT_EQ(GameFolderAround(dir.Path() / "Elsewhere" / "chair.iff"), std::nullopt);
    EXPECT_EQ(BehavioursOfGame(dir.Path()), BehavioursOfGame(dir.Path()));
}

}  // namespace
}  // namespace tarnwick::library
