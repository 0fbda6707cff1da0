#include "model/decoders/resource_map.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/text/hex_text.h"
#include "synth/iff_builder.h"

namespace tarnwick {

void PrintTo(const SectionEntry& e, std::ostream* out)
{
    *out << "{" << e.Type << ", " << e.Offset << ", " << e.Id << ", \"" << e.Name << "\"}";
}

namespace {

using fixtures::Bytes;
using Map = fixtures::ResourceMapBuilder;
using Types = std::vector<std::string>;

// The map as the contents of a chunk with a 76-byte header.
ResourceMap Parse(const Bytes& contents)
{
    return ParseResourceMap(fixtures::Concat({Bytes(76, 0), contents}));
}

TEST(ParseResourceMap, ReadsBlocksAndEntries)
{
    const struct {
        const char* name;
        Bytes contents;
        Types types;
        std::vector<SectionEntry> sections;
    } rows[] = {
        {"an identifier shows each number high byte first",
         Map().Type("STR#", 1).Entry(64, 0x0201, 0x0403, "Abc").Build(),
         {"STR#"},
         {{"STR#", 64, "02010403", "Abc"}}},
        {"no marker", Bytes(40, 'x'), {}, {}},
        {"entries belong to their block, and a block without entries is still listed",
         Map()
             .Type("GLOB", 0)
             .Type("STR#", 1)
             .Entry(1, 1, 0, "a")
             .Type("SPR#", 1)
             .Entry(2, 2, 0, "b")
             .Build(),
         {"GLOB", "STR#", "SPR#"},
         {{"STR#", 1, "00010000", "a"}, {"SPR#", 2, "00020000", "b"}}},
        {"a name ended by 0 without a pad",
         Map().Type("STR#", 2).Entry(1, 1, 0, "Ab", 0, false).Entry(2, 2, 0, "x").Build(),
         {"STR#"},
         {{"STR#", 1, "00010000", "Ab"}, {"STR#", 2, "00020000", "x"}}},
        {"an A3 after the ending 0 is skipped even if it starts the next entry",
         Map()
             .Type("STR#", 2)
             .Entry(1, 1, 0, "a", 0, false)
             .Raw({0xA3, 0, 0, 0, 2, 0, 0, 0, 0, 'b', 0})
             .Build(),
         {"STR#"},
         {{"STR#", 1, "00010000", "a"}, {"STR#", 0x02000000, "00000000", "b"}}},
        {"a name ended by A3 skips one more A3, and a third starts the next entry",
         Map()
             .Type("STR#", 2)
             .Entry(1, 1, 0, "n", 0xA3, true)
             .Raw({0xA3, 0, 0, 0, 7, 0, 0, 0, 'm', 0})
             .Build(),
         {"STR#"},
         {{"STR#", 1, "00010000", "n"}, {"STR#", 0xA3, "00070000", "m"}}},
        {"the block count is a whole 4-byte number",
         Map().Type("STR#", 0).Type("SPR#", 0).Build(256),
         {"STR#", "SPR#"},
         {}},
        {"a negative offset keeps its bit pattern",
         Map().Type("STR#", 1).Entry(0xFFFFFFFFu, 0, 0, "").Build(),
         {"STR#"},
         {{"STR#", -1, "00000000", ""}}},
        {"a negative entry count means none",
         Map().Type("STR#", -5).Type("SPR#", 0).Build(),
         {"STR#", "SPR#"},
         {}},
        {"a name cut by the end keeps its bytes",
         Map().Type("STR#", 1).Raw({1, 0, 0, 0, 2, 0, 3, 0, 'n', 'a'}).Build(),
         {"STR#"},
         {{"STR#", 1, "00020003", "na"}}},
        {"an entry cut short is left out",
         Map().Type("STR#", 2).Entry(1, 1, 0, "a").Raw({1, 0, 0}).Build(),
         {"STR#"},
         {{"STR#", 1, "00010000", "a"}}},
        {"a type code cut short is not listed", Map().Type("STR#", 0).Raw({'#', 'R'}).Build(2), {"STR#"}, {}},
        {"counts of 2^31-1 end with the data",
         Map().Type("STR#", INT32_MAX).Entry(1, 1, 0, "a").Build(INT32_MAX),
         {"STR#"},
         {{"STR#", 1, "00010000", "a"}}},
    };
    for (const auto& row : rows) {
        const ResourceMap map = Parse(row.contents);
        EXPECT_EQ(map.Types, row.types) << row.name;
        EXPECT_EQ(map.Sections, row.sections) << row.name;
    }
}

TEST(ParseResourceMap, SkipsTheSizeFieldAndFindsTheMarkerAnywhere)
{
    Bytes contents = Map().Type("STR#", 1).Entry(7, 0, 0, "s").Build();
    std::fill(contents.begin() + 4, contents.begin() + 8, 0xFF);
    const ResourceMap map =
        ParseResourceMap(fixtures::Concat({fixtures::ToBytes("rsmp"), Bytes(10, 0), contents}));
    EXPECT_EQ(map.Sections, (std::vector<SectionEntry>{{"STR#", 7, "00000000", "s"}}));
}

TEST(ParseResourceMap, StoresAtMost500EntriesAndListsLaterTypes)
{
    // 262 entries then 239: one too many. 262 is stored as 06 01 00 00.
    Map map;
    map.Type("STR#", 262);
    for (std::uint16_t i = 0; i < 262; ++i)
        map.Entry(i, i, 0, "e");
    map.Type("GLOB", 0).Type("SPR#", 239);
    for (std::uint16_t i = 0; i < 239; ++i)
        map.Entry(1000u + i, i, 0, "s");
    const ResourceMap parsed = Parse(map.Build());
    EXPECT_EQ(parsed.Types, (Types{"STR#", "GLOB", "SPR#"}));
    ASSERT_EQ(parsed.Sections.size(), 500u);
    EXPECT_EQ(parsed.Sections[261].Offset, 261);
    EXPECT_EQ(parsed.Sections.back().Offset, 1237);
}

// The browser's two choices: one identifier under two types, and one identifier
// stored twice under the same type.
TEST(SectionLookup, PicksByTypeThenIdentifierAndTheLowerIndexFirst)
{
    const std::vector<SectionEntry> sections = {
        {"SPR#", 12, "00000080", "sprite"},
        {"STR#", 40, "00000080", "first"},
        {"STR#", 41, "00000081", "other"},
        {"STR#", 42, "00000080", "second"},
    };
    const SectionIndex index(sections);
    EXPECT_EQ(index.IdsOfType("STR#"), (Types{"00000080", "00000081", "00000080"}));
    EXPECT_EQ(index.IdsOfType("GLOB"), Types{});
    ASSERT_NE(index.Find("STR#", "00000080"), nullptr);
    EXPECT_EQ(*index.Find("STR#", "00000080"), sections[1]);
    EXPECT_EQ(*index.Find("SPR#", "00000080"), sections[0]);
    EXPECT_EQ(index.Find("spr#", "00000080"), nullptr);
    EXPECT_EQ(index.Find("STR#", "00000082"), nullptr);
}

// A full map of few types and repeated identifiers: every look-up agrees with
// a scan of the table, so no entry is lost to a collision in the tables.
TEST(SectionLookup, AgreesWithAScanOfAFullMap)
{
    std::vector<SectionEntry> sections;
    sections.reserve(kMaxSections);
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(kMaxSections); ++i)
        sections.push_back({std::string(1, static_cast<char>('A' + i % 7)) + "___", i,
                            Hex8(static_cast<std::uint32_t>(i % 61)), ""});
    const SectionIndex index(sections);
    for (const char* type : {"A___", "G___", "H___"}) {
        Types ids;
        for (const SectionEntry& entry : sections)
            if (entry.Type == type)
                ids.push_back(entry.Id);
        EXPECT_EQ(index.IdsOfType(type), ids);
        for (std::uint32_t id = 0; id < 62; ++id) {
            const auto first = std::find_if(sections.begin(), sections.end(), [&](const SectionEntry& entry) {
                return entry.Type == type && entry.Id == Hex8(id);
            });
            const SectionEntry* found = index.Find(type, Hex8(id));
            EXPECT_EQ(found ? found->Offset : -1, first == sections.end() ? -1 : first->Offset) << type << id;
        }
    }
}

// A map written out by hand, the worked entry of the format first.
TEST(ParseResourceMap, ReadsAMapWrittenByHand)
{
    const Bytes contents = {
        'p',  'm',  's',  'r',         // marker
        0xEE, 0xEE, 0xEE, 0xEE,        // size of the map, not read
        0x03, 0x00, 0x00, 0x00,        // three type blocks
        '#',  'R',  'T',  'S',         // STR#, stored reversed
        0x02, 0x00, 0x00, 0x00,        //   two entries
        0x00, 0x10, 0x00, 0x00,        //   at 4096,
        0x80, 0x00, 0x10, 0x00,        //     IDs 0x0080 and 0x0010,
        'A',  'b',  'c',  0x00, 0xA3,  //     "Abc", its end, one pad byte
        0x00, 0x20, 0x00, 0x00,        //   at 8192,
        0x01, 0x02, 0x03, 0x04,        //     IDs 0x0201 and 0x0403,
        'A',  'b',  0x00,              //     "Ab", its end; no pad
        '2',  'R',  'P',  'S',         // SPR2
        0x00, 0x00, 0x00, 0x00,        //   no entries
        'V',  'A',  'H',  'B',         // BHAV
        0x01, 0x00, 0x00, 0x00,        //   one entry
        0x00, 0x00, 0x00, 0x80,        //   at 0x80000000: read as negative,
        0xFF, 0xFF, 0x00, 0x00,        //     IDs 0xFFFF and 0,
        'n',  0xA3, 0xA3,              //     "n", ended by A3, one pad byte
    };
    const ResourceMap map = Parse(contents);
    EXPECT_EQ(map.Types, (Types{"STR#", "SPR2", "BHAV"}));
    EXPECT_EQ(map.Sections, (std::vector<SectionEntry>{{"STR#", 4096, "00800010", "Abc"},
                                                       {"STR#", 8192, "02010403", "Ab"},
                                                       {"BHAV", INT32_MIN, "FFFF0000", "n"}}));
}

}  // namespace
}  // namespace tarnwick
