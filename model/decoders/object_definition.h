#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/container/byte_string.h"
#include "model/decoders/decoded.h"

namespace tarnwick {

// How a word of an object definition is read and shown.
enum class ObjectFieldKind {
    Number,  // unsigned 16 bits
    Signed,  // signed 16 bits
    Id32,    // this word and the next: a 32-bit number, low half first
    Link,    // the ID of a chunk of `linkType` in the same file
};

struct ObjectField {
    std::size_t word = 0;
    std::string_view name;
    ObjectFieldKind kind = ObjectFieldKind::Number;
    std::string_view linkType;  // "BHAV", "DGRP" ... for links
};

// The named words of an object definition, in word order. Words not named
// here are shown by their number.
[[nodiscard]] std::span<const ObjectField> ObjectFields();

// Words of the definition the buyer's view and the links use.
namespace object_word {
inline constexpr std::size_t kBaseGraphic = 1;
inline constexpr std::size_t kMasterId = 8;  // a multi-tile group's; 0 for a single tile
inline constexpr std::size_t kSubIndex = 9;  // the tile's place; 0xFFFF for the group's master
inline constexpr std::size_t kGuid = 12;
inline constexpr std::size_t kPrice = 16;
inline constexpr std::size_t kCatalogueStrings = 39;
inline constexpr std::size_t kOriginalGuid = 68;
}  // namespace object_word

// An "OBJD" body: a 32-bit version, then 16-bit words. Versions 138 and 142
// are what the game writes; any other is read the same way, with a warning.
struct ObjectDefinition {
    std::uint32_t version = 0;
    std::vector<std::uint16_t> words;
    std::string warning;  // an unusual version, a definition cut short, an odd byte

    [[nodiscard]] std::optional<std::uint16_t> Word(std::size_t word) const;
    // This word and the next as one 32-bit number, low half first.
    [[nodiscard]] std::optional<std::uint32_t> Id32(std::size_t word) const;
};

// Declines only a body too short for its version.
[[nodiscard]] Decoded<ObjectDefinition> DecodeObjectDefinition(ByteSpan body);

// One line of the definition as shown: the word, its byte offset in the body,
// its name ("Word 14" when it has none) and its value as text. A link names
// its chunk type and ID; its ID 0 names no chunk.
struct ObjectFieldLine {
    std::size_t word = 0;
    std::size_t offset = 0;
    std::string name;
    std::string value;
    std::string_view linkType;  // empty: not a link
    std::uint32_t linkId = 0;
};

// Every word present, named fields by name, a 32-bit field as one line.
[[nodiscard]] std::vector<ObjectFieldLine> DescribeObjectDefinition(const ObjectDefinition& definition);

}  // namespace tarnwick
