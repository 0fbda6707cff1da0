#include "model/decoders/object_definition.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "model/container/byte_reader.h"

namespace tarnwick {

namespace {

using Kind = ObjectFieldKind;

constexpr std::size_t kFirstWordOffset = 4;
constexpr std::size_t kVersionsSeen[] = {138, 142};
// Version 138 holds 106 words, version 142 holds 105.
constexpr std::size_t kUsualWords = 105;

constexpr ObjectField Field(std::size_t word, std::string_view name, Kind kind = Kind::Number)
{
    return {word, name, kind, {}};
}

constexpr ObjectField Link(std::size_t word, std::string_view name, std::string_view type)
{
    return {word, name, Kind::Link, type};
}

constexpr ObjectField Behaviour(std::size_t word, std::string_view name) { return Link(word, name, "BHAV"); }

constexpr std::array kFields{
    Field(0, "Stack size"),
    Link(1, "Base graphic", "DGRP"),
    Field(2, "Number of graphics"),
    Behaviour(3, "Main behaviour"),
    Behaviour(4, "Gardening behaviour"),
    Link(5, "Tree table", "TTAB"),
    Field(6, "Interaction group", Kind::Signed),
    Field(7, "Object type"),
    Field(8, "Master ID"),
    Field(9, "Sub-index", Kind::Signed),
    Behaviour(10, "Wash hands behaviour"),
    Link(11, "Animation table", "STR#"),
    Field(12, "GUID", Kind::Id32),
    Behaviour(15, "Portal behaviour"),
    Field(16, "Price"),
    Link(17, "Body strings", "STR#"),
    Link(18, "Slots", "SLOT"),
    Behaviour(22, "Prepare food behaviour"),
    Behaviour(23, "Cook food behaviour"),
    Behaviour(30, "Sit behaviour"),
    Behaviour(31, "Stand behaviour"),
    Field(32, "Sale price"),
    Field(33, "Initial depreciation"),
    Field(34, "Daily depreciation"),
    Field(35, "Self-depreciating"),
    Field(36, "Depreciation limit"),
    Field(37, "Room flags"),
    Field(38, "Function flags"),
    Link(39, "Catalogue strings", "CTSS"),
    Field(40, "Global"),
    Behaviour(41, "Init behaviour"),
    Behaviour(42, "Place behaviour"),
    Behaviour(43, "Pickup behaviour"),
    Field(44, "Wall style"),
    Behaviour(45, "Load behaviour"),
    Field(47, "Object version"),
    Field(52, "Catalogue ID"),
    Field(56, "Number of attributes"),
    Behaviour(57, "Clean behaviour"),
    Field(62, "Dynamic sprite base ID"),
    Field(63, "Number of dynamic sprites"),
    Field(65, "Tile width"),
    Field(67, "Build-mode type"),
    Field(68, "Original GUID", Kind::Id32),
    Field(73, "Thumbnail graphic"),
    Field(75, "Footprint mask"),
    Behaviour(78, "Repair behaviour"),
    Field(80, "Rating: hunger", Kind::Signed),
    Field(81, "Rating: comfort", Kind::Signed),
    Field(82, "Rating: hygiene", Kind::Signed),
    Field(83, "Rating: bladder", Kind::Signed),
    Field(84, "Rating: energy", Kind::Signed),
    Field(85, "Rating: fun", Kind::Signed),
    Field(86, "Rating: room", Kind::Signed),
    Field(87, "Skill-rating flags"),
};

// Describing walks the words and the fields side by side.
static_assert(
    [] {
        for (std::size_t i = 1; i < kFields.size(); ++i)
            if (kFields[i].word <= kFields[i - 1].word + (kFields[i - 1].kind == Kind::Id32 ? 1 : 0))
                return false;
        return true;
    }(),
    "fields in word order, a 32-bit field's high word named by no other field");

std::string Hex32(std::uint32_t value)
{
    char text[11];
    std::snprintf(text, sizeof text, "0x%08X", value);
    return text;
}

}  // namespace

std::span<const ObjectField> ObjectFields() { return kFields; }

std::optional<std::uint16_t> ObjectDefinition::Word(std::size_t word) const
{
    if (word >= words.size())
        return std::nullopt;
    return words[word];
}

std::optional<std::uint32_t> ObjectDefinition::Id32(std::size_t word) const
{
    const auto low = Word(word);
    const auto high = Word(word + 1);
    if (!low || !high)
        return std::nullopt;
    return std::uint32_t{*high} << 16 | *low;
}

Decoded<ObjectDefinition> DecodeObjectDefinition(ByteSpan body)
{
    ByteReader reader(body);
    const auto version = reader.U32le();
    if (!version)
        return Decoded<ObjectDefinition>::Decline("The definition is too short to hold its version.");
    ObjectDefinition definition{*version, {}, {}};
    definition.words.reserve(reader.Remaining() / 2);
    while (const auto word = reader.U16le())
        definition.words.push_back(*word);

    std::string& warning = definition.warning;
    const auto add = [&warning](const std::string& line) { warning += (warning.empty() ? "" : "\n") + line; };
    if (std::find(std::begin(kVersionsSeen), std::end(kVersionsSeen), *version) == std::end(kVersionsSeen))
        add("Version " + std::to_string(*version) +
            " is not one the game writes (138, 142): read as they are.");
    if (definition.words.size() < kUsualWords)
        add("The definition ends after " + std::to_string(definition.words.size()) +
            " words; the game's hold " + std::to_string(kUsualWords) + " or more.");
    if (!reader.AtEnd())
        add("One byte follows the last word.");
    return Decoded<ObjectDefinition>::Of(std::move(definition));
}

std::vector<ObjectFieldLine> DescribeObjectDefinition(const ObjectDefinition& definition)
{
    std::vector<ObjectFieldLine> lines;
    lines.reserve(definition.words.size());
    const ObjectField* field = kFields.data();
    const ObjectField* const end = kFields.data() + kFields.size();
    for (std::size_t word = 0; word < definition.words.size(); ++word) {
        ObjectFieldLine line{word, kFirstWordOffset + 2 * word, "Word " + std::to_string(word), {}, {}, 0};
        const std::uint16_t value = definition.words[word];
        line.value = std::to_string(value);
        if (field != end && field->word == word) {
            line.name = field->name;
            switch (field->kind) {
            case Kind::Number:
                break;
            case Kind::Signed:
                line.value = std::to_string(static_cast<std::int16_t>(value));
                break;
            case Kind::Id32:
                // Cut short after its low half, the word stays a number.
                if (const auto id = definition.Id32(word)) {
                    line.value = Hex32(*id);
                    ++word;
                }
                break;
            case Kind::Link:
                line.linkType = field->linkType;
                line.linkId = value;
                break;
            }
            ++field;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace tarnwick
