#include "model/decoders/object_definition.h"

#include <gtest/gtest.h>

#include "synth/object_builder.h"

namespace tarnwick {
namespace {

using fixtures::Bytes;
using fixtures::ObjectDefinitionBody;

const ObjectFieldLine* LineOf(const std::vector<ObjectFieldLine>& lines, std::size_t word)
{
    for (const ObjectFieldLine& line : lines)
        if (line.word == word)
            return &line;
    return nullptr;
}

TEST(DecodeObjectDefinition, ReadsTheWordsPresent)
{
    const struct {
        const char* name;
        Bytes body;
        std::size_t words;  // declined when npos
        bool warned;
    } rows[] = {
        {"version 138, 106 words", ObjectDefinitionBody(138, 106, {}), 106, false},
        {"version 142, 105 words", ObjectDefinitionBody(142, 105, {}), 105, false},
        {"version 142 padded to 216 bytes", ObjectDefinitionBody(142, 106, {}), 106, false},
        {"cut short after 20 words", ObjectDefinitionBody(138, 20, {}), 20, true},
        {"an odd byte after the last word",
         [] {
             Bytes body = ObjectDefinitionBody(138, 106, {});
             body.push_back(7);
             return body;
         }(),
         106, true},
        {"a version the game does not write", ObjectDefinitionBody(99, 106, {}), 106, true},
        {"no words at all", ObjectDefinitionBody(138, 0, {}), 0, true},
        {"a version cut short", {138, 0, 0}, std::string::npos, true},
    };
    for (const auto& row : rows) {
        const Decoded<ObjectDefinition> definition = DecodeObjectDefinition(row.body);
        if (row.words == std::string::npos) {
            EXPECT_FALSE(definition.value) << row.name;
            EXPECT_NE(definition.declined, "") << row.name;
            continue;
        }
        ASSERT_TRUE(definition.value) << row.name;
        EXPECT_EQ(definition.value->words.size(), row.words) << row.name;
        EXPECT_EQ(definition.value->warning.empty(), !row.warned) << row.name;
    }
}

TEST(DescribeObjectDefinition, ShowsEachFieldAsItIsRead)
{
    const ObjectDefinition definition = *DecodeObjectDefinition(ObjectDefinitionBody(138, 106,
                                                                                     {{1, 200},
                                                                                      {3, 4096},
                                                                                      {9, 0xFFFF},
                                                                                      {12, 0x5678},
                                                                                      {13, 0x1234},
                                                                                      {14, 3},
                                                                                      {16, 850},
                                                                                      {39, 128},
                                                                                      {80, 0xFFFE},
                                                                                      {105, 9}}))
                                             .value;
    const std::vector<ObjectFieldLine> lines = DescribeObjectDefinition(definition);
    const struct {
        std::size_t word;
        std::size_t offset;
        const char* name;
        const char* value;
        const char* linkType;
    } rows[] = {
        {1, 6, "Base graphic", "200", "DGRP"},
        {3, 10, "Main behaviour", "4096", "BHAV"},
        {9, 22, "Sub-index", "-1", ""},
        {12, 28, "GUID", "0x12345678", ""},
        {14, 32, "Word 14", "3", ""},
        {16, 36, "Price", "850", ""},
        {39, 82, "Catalogue strings", "128", "CTSS"},
        {80, 164, "Rating: hunger", "-2", ""},
        {105, 214, "Word 105", "9", ""},
    };
    for (const auto& row : rows) {
        const ObjectFieldLine* line = LineOf(lines, row.word);
        ASSERT_NE(line, nullptr) << row.word;
        EXPECT_EQ(line->offset, row.offset) << row.word;
        EXPECT_EQ(line->name, row.name) << row.word;
        EXPECT_EQ(line->value, row.value) << row.word;
        EXPECT_EQ(line->linkType, row.linkType) << row.word;
    }
    // The GUID's high half is part of its line, not a line of its own.
    EXPECT_EQ(LineOf(lines, 13), nullptr);
    EXPECT_EQ(lines.size(), 106u - 2u);
}

TEST(DescribeObjectDefinition, KeepsAHalfGuidAsANumber)
{
    const ObjectDefinition definition =
        *DecodeObjectDefinition(ObjectDefinitionBody(138, 13, {{12, 77}})).value;
    const std::vector<ObjectFieldLine> lines = DescribeObjectDefinition(definition);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines.back().value, "77");
    EXPECT_FALSE(definition.Id32(12));
}

// A definition written out by hand from the format's description, not by a
// builder: its first 14 words, zeros, then the seven ratings.
TEST(DescribeObjectDefinition, ReadsADefinitionWrittenByHand)
{
    const Bytes body = fixtures::Concat({
        {
            0x8E, 0x00, 0x00, 0x00,  // version 142
            0x01, 0x00,              // word 0: stack size 1
            0x64, 0x00,              // word 1: base graphic, DGRP 100
            0x0C, 0x00,              // word 2: 12 graphics
            0x00, 0x10,              // word 3: main behaviour, BHAV 4096
            0x00, 0x00,              // word 4
            0x80, 0x00,              // word 5: tree table 128
            0xFD, 0xFF,              // word 6: interaction group -3, signed
            0x04, 0x00,              // word 7: object type 4
            0x01, 0x80,              // word 8: master ID 0x8001, unsigned
            0x02, 0x01,              // word 9: sub-index 0x0102, signed
            0x00, 0x00, 0x00, 0x00,  // words 10, 11
            0x78, 0x56,              // word 12: the GUID's low half
            0x34, 0x12,              // word 13: its high half
        },
        Bytes(std::size_t{2} * (80 - 14), 0),  // words 14 to 79: zero
        {
            0xF6, 0xFF,  // word 80: hunger -10
            0x05, 0x00,  // word 81: comfort 5
            0x00, 0x80,  // word 82: hygiene -32768
            0xFF, 0x7F,  // word 83: bladder 32767
            0xFF, 0xFF,  // word 84: energy -1
            0x00, 0x00,  // word 85: fun 0
            0x0A, 0x00,  // word 86: room 10
        },
    });
    const Decoded<ObjectDefinition> definition = DecodeObjectDefinition(body);
    ASSERT_TRUE(definition.value) << definition.declined;
    EXPECT_EQ(definition.value->version, 142u);
    ASSERT_EQ(definition.value->words.size(), 87u);
    EXPECT_EQ(definition.value->Id32(object_word::kGuid), 0x12345678u);
    const std::vector<ObjectFieldLine> lines = DescribeObjectDefinition(*definition.value);
    const struct {
        std::size_t word;
        std::size_t offset;
        const char* value;
    } rows[] = {
        {1, 6, "100"},      {5, 14, "128"},         {6, 16, "-3"},    {7, 18, "4"},    {8, 20, "32769"},
        {9, 22, "258"},     {12, 28, "0x12345678"}, {80, 164, "-10"}, {81, 166, "5"},  {82, 168, "-32768"},
        {83, 170, "32767"}, {84, 172, "-1"},        {85, 174, "0"},   {86, 176, "10"},
    };
    for (const auto& row : rows) {
        const ObjectFieldLine* line = LineOf(lines, row.word);
        ASSERT_NE(line, nullptr) << row.word;
        EXPECT_EQ(line->offset, row.offset) << row.word;
        EXPECT_EQ(line->value, row.value) << row.word;
    }
}

}  // namespace
}  // namespace tarnwick
