#include "model/chunk_window/string_lines.h"

#include <gtest/gtest.h>

#include "synth/iff_builder.h"

namespace tarnwick {
namespace {

using fixtures::Bytes;
using fixtures::StringTableContents;
using Lines = std::vector<std::string>;

std::optional<Lines> Decode(const Bytes& contents)
{
    return DecodeStringTable(fixtures::Concat({Bytes(76, 0), contents}));
}

TEST(DecodeStringTable, DecodesEachFormatCode)
{
    const struct {
        const char* name;
        Bytes contents;
        std::optional<Lines> expected;
    } rows[] = {
        {"253 strings start after a 1 and end at the next 1 or 0",
         StringTableContents(253, 3, {0, 1, 'H', 'i', 1, 'Y', 'o', 0, 'c', 1, 0}),
         Lines{"1:Hi", "2:Yo", "3:"}},
        {"254 lists every string ended by 0", StringTableContents(254, 2, {0, 'H', 'i', 0, 'c', 0}),
         Lines{"1:Hi", "2:c"}},
        {"255 reads like 254", StringTableContents(255, 2, {0, 'H', 'i', 0, 'c', 0}), Lines{"1:Hi", "2:c"}},
        {"252 is declined", StringTableContents(252, 1, {0, 'x', 0}), std::nullopt},
        {"format code and count cut short are declined", {254, 0}, std::nullopt},
        {"count 0 is an empty table", StringTableContents(254, 0, {0, 'x', 0}), Lines{}},
        {"only chunk byte 79 counts", {254, 0, 5, 1, 0, 'a', 0}, Lines{"1:a", "2:"}},
        {"a count past the strings, even over 127, stops at the end",
         StringTableContents(254, 200, {0, 'a', 0, 'b', 0}), Lines{"1:a", "2:b", "3:"}},
        {"a string cut by the end keeps its bytes", StringTableContents(254, 2, {0, 'a', 'b'}),
         Lines{"1:ab"}},
        {"no start mark lists nothing", StringTableContents(253, 1, {'a', 'b', 0}), Lines{}},
        {"bytes are kept as they are", StringTableContents(254, 1, {0, 0xE9, 0x92, 0}), Lines{"1:\xE9\x92"}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Decode(row.contents), row.expected) << row.name;
}

}  // namespace
}  // namespace tarnwick
