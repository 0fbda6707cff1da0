#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/container/byte_string.h"

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
    std::vector<std::string> Types;      // one per type block, in map order
    std::vector<SectionEntry> Sections;  // at most kMaxSections, in map order
};

// Parses the "rsmp" chunk (header included): finds the "pmsr" marker, then reads
// the type blocks and their entries. Nothing is read past the data: the parse
// ends where the data ends, with a block or entry cut short left out (a name
// cut short is kept as it is). Entries past the 500th are read but not stored.
[[nodiscard]] ResourceMap ParseResourceMap(ByteSpan chunk);

// The entries of a map by type and identifier, in hash tables built once, so
// that each pick in the browser is a look-up rather than a scan of the table.
class SectionIndex {
public:
    SectionIndex() = default;
    explicit SectionIndex(const std::vector<SectionEntry>& sections);

    // The identifiers listed under `type`, in table order; an identifier stored
    // twice is listed twice.
    [[nodiscard]] std::vector<std::string> IdsOfType(std::string_view type) const;
    // The first entry of `type` with identifier `id`, or nullptr.
    [[nodiscard]] const SectionEntry* Find(std::string_view type, std::string_view id) const;

private:
    static constexpr std::size_t kNone = SIZE_MAX;

    // The slot of `table` that holds the first entry for which `matches` is
    // true, or the empty slot where it would go.
    template <typename Matches>
    [[nodiscard]] std::size_t SlotOf(const std::vector<std::size_t>& table, std::size_t hash,
                                     Matches matches) const;

    std::vector<SectionEntry> sections_;    // in table order
    std::vector<std::size_t> nextOfType_;   // the next position of the same type, or kNone
    std::vector<std::size_t> firstOfType_;  // a hash table of the first position of each type
    std::vector<std::size_t> firstOfPair_;  // a hash table of the first position of each type and identifier
};

}  // namespace tarnwick
