#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "library/index_records.h"

namespace tarnwick::library {

// How the objects sharing a GUID relate, the harmful kind first. The game
// keeps one object per GUID, so of two files sharing one only one shows up.
enum class ConflictClass : std::uint8_t {
    DifferentObjects,  // different objects: one of them vanishes from the catalogue
    Versions,          // versions of one object: the same label, different bytes
    IdenticalCopies,   // the same bytes twice: harmless, but one copy is waste
    Override,          // a loose file replacing an archive member or a game object, as intended
};
inline constexpr std::size_t kConflictClasses = 4;

// "Different objects", "Versions of one object", ...
[[nodiscard]] std::string_view ConflictClassName(ConflictClass kind);

// An object of the index: a file (its position in the records) and an object of it.
struct ObjectPlace {
    std::size_t file = 0;
    std::size_t object = 0;

    bool operator==(const ObjectPlace&) const = default;
};

struct ConflictGroup {
    std::uint32_t guid = 0;
    ConflictClass kind = ConflictClass::DifferentObjects;
    std::vector<ObjectPlace> places;  // in the order of the records
};

// Whether a file is the game's own: an archive member, or a file inside a
// GameData folder. Loose files elsewhere (Downloads) override these.
[[nodiscard]] bool IsGameFile(const FileRecord& file);

// Every GUID found in more than one file or member, classified: harmful
// groups first, then versions, identical copies and overrides, each by GUID.
[[nodiscard]] std::vector<ConflictGroup> FindConflicts(const std::vector<FileRecord>& files);

// The number of groups of each class, in class order.
[[nodiscard]] std::array<std::size_t, kConflictClasses> CountConflicts(
    const std::vector<ConflictGroup>& groups);

}  // namespace tarnwick::library
