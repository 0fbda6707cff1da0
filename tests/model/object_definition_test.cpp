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

}  // namespace
}  // namespace tarnwick
