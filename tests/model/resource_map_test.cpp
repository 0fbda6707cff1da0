#include "resource_map.h"

#include <gtest/gtest.h>

#include "iff_builder.h"

namespace tarnwick {

void PrintTo(const SectionEntry& e, std::ostream* out)
{
    *out << "{" << e.Type << ", " << e.Offset << ", " << e.Id << ", \"" << e.Name << "\"}";
}

namespace {

using fixtures::Bytes;
using fixtures::ResourceMapBuilder;
using Types = std::vector<std::string>;

ResourceMap Parse(const Bytes& contents)
{
    return ParseResourceMap(fixtures::Concat({Bytes(76, 0), contents}));
}

struct MapCase {
    const char* name;
    Bytes contents;
    Types types;
    std::vector<SectionEntry> sections;
};

TEST(ParseResourceMap, ReadsBlocksAndEntries)
{
    const MapCase cases[] = {
        {"worked entry", ResourceMapBuilder().Type("STR#", 1).Entry(4096, 0x0080, 0x0010, "Abc").Build(),
         {"STR#"}, {{"STR#", 4096, "00800010", "Abc"}}},
        {"identifier bytes 01 02 03 04", ResourceMapBuilder().Type("BHAV", 1).Entry(0, 0x0201, 0x0403, "").Build(),
         {"BHAV"}, {{"BHAV", 0, "02010403", ""}}},
        {"no marker", Bytes(40, 'x'), {}, {}},
        {"no type blocks", ResourceMapBuilder().Build(), {}, {}},
        {"a block without entries is still listed",
         ResourceMapBuilder().Type("GLOB", 0).Type("STR#", 1).Entry(64, 1, 0, "s").Build(),
         {"GLOB", "STR#"}, {{"STR#", 64, "00010000", "s"}}},
        {"entries count across blocks",
         ResourceMapBuilder().Type("STR#", 1).Entry(1, 0x80, 0, "a").Type("SPR#", 2)
             .Entry(2, 0x80, 0, "b").Entry(3, 0x81, 0, "c").Build(),
         {"STR#", "SPR#"},
         {{"STR#", 1, "00800000", "a"}, {"SPR#", 2, "00800000", "b"}, {"SPR#", 3, "00810000", "c"}}},
        {"name ended by 0 without a pad", ResourceMapBuilder().Type("STR#", 2).Entry(1, 1, 0, "Ab", 0, false)
             .Entry(2, 2, 0, "x").Build(),
         {"STR#"}, {{"STR#", 1, "00010000", "Ab"}, {"STR#", 2, "00020000", "x"}}},
        {"name ended by A3 skips one more A3",
         ResourceMapBuilder().Type("STR#", 1).Entry(1, 1, 0, "n", 0xA3, true).Build(),
         {"STR#"}, {{"STR#", 1, "00010000", "n"}}},
        {"an A3 after the ending byte is skipped even if it starts the next entry",
         ResourceMapBuilder().Type("STR#", 2).Entry(1, 1, 0, "a", 0, false)
             .Raw({0xA3, 0, 0, 0, 2, 0, 0, 0, 0, 'b', 0}).Build(),
         {"STR#"}, {{"STR#", 1, "00010000", "a"}, {"STR#", 0x02000000, "00000000", "b"}}},
        {"a third A3 starts the next entry",
         ResourceMapBuilder().Type("STR#", 2).Entry(1, 1, 0, "n", 0xA3, true)
             .Raw({0xA3, 0, 0, 0, 7, 0, 0, 0, 'm', 0}).Build(),
         {"STR#"}, {{"STR#", 1, "00010000", "n"}, {"STR#", 0xA3, "00070000", "m"}}},
        {"counts are whole 4-byte numbers",
         ResourceMapBuilder().Type("STR#", 0).Type("SPR#", 0).Build(256), {"STR#", "SPR#"}, {}},
        {"negative offset keeps its bit pattern",
         ResourceMapBuilder().Type("STR#", 1).Entry(0xFFFFFFFFu, 0, 0, "").Build(),
         {"STR#"}, {{"STR#", -1, "00000000", ""}}},
        {"negative counts mean none", ResourceMapBuilder().Type("STR#", -5).Build(), {"STR#"}, {}},
        {"a name cut by the end keeps its bytes",
         ResourceMapBuilder().Type("STR#", 1).Raw({1, 0, 0, 0, 2, 0, 3, 0, 'n', 'a'}).Build(),
         {"STR#"}, {{"STR#", 1, "00020003", "na"}}},
        {"an entry cut short is left out",
         ResourceMapBuilder().Type("STR#", 2).Entry(1, 1, 0, "a").Raw({1, 0, 0}).Build(),
         {"STR#"}, {{"STR#", 1, "00010000", "a"}}},
        {"a type code cut short is not listed", ResourceMapBuilder().Type("STR#", 0).Raw({'#', 'R'}).Build(2),
         {"STR#"}, {}},
        {"claims two billion blocks and entries",
         ResourceMapBuilder().Type("STR#", 0x7FFFFFFF).Entry(1, 1, 0, "a").Build(0x7FFFFFFF),
         {"STR#"}, {{"STR#", 1, "00010000", "a"}}},
    };
    for (const auto& c : cases) {
        const ResourceMap map = Parse(c.contents);
        EXPECT_EQ(map.Types, c.types) << c.name;
        EXPECT_EQ(map.Sections, c.sections) << c.name;
    }
}

TEST(ParseResourceMap, SkipsTheSizeFieldAndFindsTheMarkerAnywhere)
{
    Bytes contents = ResourceMapBuilder().Type("STR#", 1).Entry(7, 0, 0, "s").Build();
    contents[4] = contents[5] = contents[6] = contents[7] = 0xFF;
    const Bytes chunk = fixtures::Concat({fixtures::ToBytes("rsmp"), Bytes(10, 0), contents});
    EXPECT_EQ(ParseResourceMap(chunk).Sections.size(), 1u);
}

TEST(ParseResourceMap, StoresAtMost500EntriesAndListsLaterTypes)
{
    // 261 is stored as 05 01 00 00: read as one byte it would be 5.
    for (const std::int32_t first : {261, 262}) {
        ResourceMapBuilder builder;
        builder.Type("STR#", first);
        for (std::int32_t i = 0; i < first; ++i)
            builder.Entry(static_cast<std::uint32_t>(i), static_cast<std::uint16_t>(i), 0, "e");
        builder.Type("GLOB", 0).Type("SPR#", 239);
        for (std::int32_t i = 0; i < 239; ++i)
            builder.Entry(static_cast<std::uint32_t>(1000 + i), static_cast<std::uint16_t>(i), 0, "s");
        const ResourceMap map = Parse(builder.Build());
        EXPECT_EQ(map.Types, (Types{"STR#", "GLOB", "SPR#"}));
        ASSERT_EQ(map.Sections.size(), 500u) << first << " + 239 entries";
        EXPECT_EQ(map.Sections[260].Offset, 260);
        EXPECT_EQ(map.Sections.back().Offset, first == 261 ? 1238 : 1237);
    }
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
    EXPECT_EQ(SectionIdsOfType(sections, "STR#"), (Types{"00000080", "00000081", "00000080"}));
    EXPECT_EQ(SectionIdsOfType(sections, "GLOB"), Types{});
    ASSERT_NE(FindSection(sections, "STR#", "00000080"), nullptr);
    EXPECT_EQ(FindSection(sections, "STR#", "00000080")->Name, "first");
    EXPECT_EQ(FindSection(sections, "SPR#", "00000080")->Offset, 12);
    EXPECT_EQ(FindSection(sections, "spr#", "00000080"), nullptr);
    EXPECT_EQ(FindSection(sections, "GLOB", ""), nullptr);
}

}  // namespace
}  // namespace tarnwick
