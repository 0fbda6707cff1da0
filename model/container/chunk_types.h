#pragma once

#include <array>
#include <string_view>

namespace tarnwick::chunk_type {

// The four-character type codes of the chunks the program reads, as stored.
inline constexpr std::string_view kStrings = "STR#";             // string table
inline constexpr std::string_view kCatalogueStrings = "CTSS";    // an object's catalogue texts
inline constexpr std::string_view kInteractionStrings = "TTAs";  // an interaction table's texts
inline constexpr std::string_view kPalette = "PALT";
inline constexpr std::string_view kOldSprite = "SPR#";
inline constexpr std::string_view kSprite = "SPR2";  // with depth and alpha
inline constexpr std::string_view kBitmap = "BMP_";
inline constexpr std::string_view kFloorBitmap = "FBMP";
inline constexpr std::string_view kDrawGroup = "DGRP";
inline constexpr std::string_view kObjectDefinition = "OBJD";
inline constexpr std::string_view kBehaviour = "BHAV";
inline constexpr std::string_view kInteractions = "TTAB";
inline constexpr std::string_view kConstants = "BCON";
inline constexpr std::string_view kSemiGlobal = "GLOB";
inline constexpr std::string_view kSoundEvent = "FWAV";
inline constexpr std::string_view kSlots = "SLOT";
inline constexpr std::string_view kResourceMap = "rsmp";

// Every type named above: the types the program knows, decoded or not.
inline constexpr std::array kNamedTypes = {
    kStrings,   kCatalogueStrings, kInteractionStrings, kPalette,    kOldSprite,
    kSprite,    kBitmap,           kFloorBitmap,        kDrawGroup,  kObjectDefinition,
    kBehaviour, kInteractions,     kConstants,          kSemiGlobal, kSoundEvent,
    kSlots,     kResourceMap};

// The three types that share the string table's layout.
[[nodiscard]] constexpr bool IsStringTable(std::string_view type)
{
    return type == kStrings || type == kCatalogueStrings || type == kInteractionStrings;
}

}  // namespace tarnwick::chunk_type
