#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/byte_string.h"

namespace tarnwick {

inline constexpr std::size_t kMaxSections = 500;

// One resource of a resource map.
struct SectionEntry {
    std::string Type;         // the type code in reading order, such as "STR#"
    std::int32_t Offset = 0;  // the stored file position, bit pattern kept
    std::string Id;           // two 16-bit numbers as eight hex digits
    std::string Name;

    bool operator==(const SectionEntry&) const = default;
};

struct ResourceMap {
    std::vector<std::string> Types;       // one per type block, in map order
    std::vector<SectionEntry> Sections;   // at most kMaxSections, in map order
};

// Parses the "rsmp" chunk (header included): finds the "pmsr" marker, then reads
// the type blocks and their entries. Nothing is read past the data: the parse
// ends where the data ends, with a block or entry cut short left out (a name
// cut short is kept as it is). Entries past the 500th are read but not stored.
[[nodiscard]] ResourceMap ParseResourceMap(ByteSpan chunk);

// The identifiers listed under `type`, in table order; an identifier stored
// twice is listed twice.
[[nodiscard]] std::vector<std::string> SectionIdsOfType(const std::vector<SectionEntry>& sections,
                                                        std::string_view type);
// The first entry of `type` with identifier `id`, or nullptr.
[[nodiscard]] const SectionEntry* FindSection(const std::vector<SectionEntry>& sections,
                                              std::string_view type, std::string_view id);

}  // namespace tarnwick
