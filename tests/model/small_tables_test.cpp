#include "model/decoders/small_tables.h"

#include <gtest/gtest.h>

#include "synth/behaviour_builder.h"

namespace tarnwick {
namespace {

using fixtures::Bytes;
using fixtures::Concat;
using fixtures::ToBytes;

TEST(DecodeConstants, ReadsWhatFitsTheCount)
{
    const struct {
        const char* name;
        Bytes body;
        std::vector<std::uint16_t> values;
        std::uint8_t flags = 0;
        std::size_t trailing = 0;
        bool cutShort = false;
    } rows[] = {
        {"exact", fixtures::ConstantsBody(0x80, {1, 0xFFFF, 300}), {1, 0xFFFF, 300}, 0x80},
        {"none", {0, 0}, {}},
        {"a count past the end", fixtures::ConstantsBody(0, {7, 8}, 5), {7, 8}, 0, 0, true},
        {"a count past the end by a byte",
         Concat({fixtures::ConstantsBody(0, {7}, 2), {9}}),
         {7},
         0,
         1,
         true},
        {"bytes after the values", Concat({fixtures::ConstantsBody(0, {7}), {9}}), {7}, 0, 1},
    };
    for (const auto& row : rows) {
        const Decoded<Constants> constants = DecodeConstants(row.body);
        ASSERT_TRUE(constants.value) << row.name;
        EXPECT_EQ(constants.value->values, row.values) << row.name;
        EXPECT_EQ(constants.value->flags, row.flags) << row.name;
        EXPECT_EQ(constants.value->trailingBytes, row.trailing) << row.name;
        EXPECT_EQ(constants.value->warning.empty(), !row.cutShort) << row.name;
    }
    EXPECT_FALSE(DecodeConstants(Bytes{3}).value);
}

TEST(DecodeGlobalName, ReadsPascalAndZeroEndedNames)
{
    const struct {
        const char* name;
        Bytes body;
        NameForm form;
        std::string text;
        std::size_t trailing = 0;
        bool cutShort = false;
    } rows[] = {
        {"zero-ended", ToBytes(std::string("ChairGlobals\0", 13)), NameForm::ZeroEnded, "ChairGlobals"},
        {"zero-ended with leftovers", ToBytes(std::string("Sofa\0xy", 7)), NameForm::ZeroEnded, "Sofa", 2},
        {"zero-ended without its NUL", ToBytes("Lamp"), NameForm::ZeroEnded, "Lamp", 0, true},
        {"Pascal, its length shorter than the text after it",
         Concat({{0x0B}, ToBytes("DoorGlobals.iff"), Bytes(240, 0xA3)}), NameForm::Pascal, "DoorGlobals",
         244},
        {"Pascal, its length past the end", Concat({{0x09}, ToBytes("Bed")}), NameForm::Pascal, "Bed", 0,
         true},
        {"Pascal and empty", {0x00}, NameForm::Pascal, ""},
    };
    for (const auto& row : rows) {
        const Decoded<GlobalName> global = DecodeGlobalName(row.body);
        ASSERT_TRUE(global.value) << row.name;
        EXPECT_EQ(global.value->form, row.form) << row.name;
        EXPECT_EQ(global.value->name, row.text) << row.name;
        EXPECT_EQ(global.value->trailingBytes, row.trailing) << row.name;
        EXPECT_EQ(global.value->warning.empty(), !row.cutShort) << row.name;
    }
    EXPECT_FALSE(DecodeGlobalName({}).value);
}

TEST(DecodeConstants, ReadsConstantsWrittenByHand)
{
    const Bytes body = {
        0x03,        // three constants
        0x80,        // flags
        0x01, 0x00,  // 1
        0xFF, 0xFF,  // 65535
        0x2C, 0x01,  // 300
    };
    const Decoded<Constants> constants = DecodeConstants(body);
    ASSERT_TRUE(constants.value) << constants.declined;
    EXPECT_EQ(constants.value->declaredCount, 3);
    EXPECT_EQ(constants.value->flags, 0x80);
    EXPECT_EQ(constants.value->values, (std::vector<std::uint16_t>{1, 65535, 300}));
    EXPECT_EQ(constants.value->trailingBytes, 0u);
    EXPECT_EQ(constants.value->warning, "");
}

}  // namespace
}  // namespace tarnwick
