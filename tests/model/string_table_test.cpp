#include "string_table.h"

#include <gtest/gtest.h>

#include "iff_builder.h"

namespace tarnwick {
namespace {

using fixtures::Bytes;
using fixtures::StringTableContents;
using Lines = std::vector<std::string>;

Bytes TableChunk(const Bytes& contents)
{
    return fixtures::Concat({Bytes(76, 0), contents});
}

struct StringTableCase {
    const char* name;
    Bytes contents;
    std::optional<Lines> expected;
};

TEST(DecodeStringTable, DecodesEachFormatCode)
{
    const StringTableCase cases[] = {
        {"253 passes bytes before the next 1", StringTableContents(253, 2, {0, 1, 'H', 'i', 0, 'c', 0, 1, 'Y', 'o', 0, 0}),
         Lines{"1:Hi", "2:Yo"}},
        {"254 lists every string ended by 0", StringTableContents(254, 2, {0, 'H', 'i', 0, 'c', 0}), Lines{"1:Hi", "2:c"}},
        {"255 reads like 254", StringTableContents(255, 2, {0, 'H', 'i', 0, 'c', 0}), Lines{"1:Hi", "2:c"}},
        {"count 0 is an empty table", StringTableContents(254, 0, {0, 'x', 0}), Lines{}},
        {"252 is declined", StringTableContents(252, 1, {0, 'x', 0}), std::nullopt},
        {"0 is declined", StringTableContents(0, 1, {0, 'x', 0}), std::nullopt},
        {"only chunk byte 79 counts", {254, 0, 5, 1, 0, 'a', 0}, Lines{"1:a", "2:"}},
        {"253 ends a string at a 1, which starts the next",
         StringTableContents(253, 3, {1, 'a', 1, 'b', 0, 1, 1, 0}), Lines{"1:a", "2:b", "3:"}},
        {"a count past the strings stops at the end", StringTableContents(254, 9, {0, 'a', 0, 'b', 0}),
         Lines{"1:a", "2:b", "3:"}},
        {"a string cut by the end keeps its bytes", StringTableContents(254, 2, {0, 'a', 'b'}), Lines{"1:ab"}},
        {"no start mark lists nothing", StringTableContents(253, 1, {'a', 'b', 0}), Lines{}},
        {"bytes kept as they are", StringTableContents(254, 1, {0, 0xE9, 0x92, 0}), Lines{"1:\xE9\x92"}},
        {"format code and count cut short", {254, 0}, std::nullopt},
        {"no contents", {}, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeStringTable(TableChunk(c.contents)), c.expected) << c.name;
}

TEST(DecodeStringTable, NumbersLinesInPlainDecimal)
{
    Bytes records;
    for (int i = 0; i < 255; ++i)
        records.insert(records.end(), {0, 's'});
    const auto lines = DecodeStringTable(TableChunk(StringTableContents(255, 255, records)));
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 255u);
    EXPECT_EQ((*lines)[9], "10:s");
    EXPECT_EQ((*lines)[99], "100:s");
    EXPECT_EQ((*lines)[254], "255:s");
}

}  // namespace
}  // namespace tarnwick
