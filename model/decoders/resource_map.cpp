#include "model/decoders/resource_map.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <optional>
#include <string_view>

#include "model/container/byte_reader.h"
#include "model/text/hex_text.h"

namespace tarnwick {

namespace {

constexpr std::string_view kMarker = "pmsr";
constexpr std::uint8_t kPad = 0xA3;

// An entry's name: the bytes up to a 0x00 or pad byte, which is read too; then
// one pad byte more is skipped if present. A name cut off by the end keeps
// what is there.
std::string ReadName(ByteReader& reader)
{
    std::string name;
    while (const auto byte = reader.U8()) {
        if (*byte == 0 || *byte == kPad) {
            ByteReader peek = reader;
            if (peek.U8() == kPad)
                reader = peek;
            break;
        }
        name += static_cast<char>(*byte);
    }
    return name;
}

std::optional<std::size_t> FindMarker(ByteSpan chunk)
{
    const auto marker = TextAsBytes(kMarker);
    const auto found = std::search(chunk.begin(), chunk.end(), marker.begin(), marker.end());
    if (found == chunk.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - chunk.begin());
}

// The two 16-bit little-endian numbers as eight hex digits.
std::string IdText(ByteSpan b)
{
    std::string text(8, '0');
    const auto at = [&](std::size_t i) { return std::uint32_t{b[i]}; };
    WriteHexDigits(text.data(), at(1) << 24 | at(0) << 16 | at(3) << 8 | at(2), 8);
    return text;
}

}  // namespace

ResourceMap ParseResourceMap(ByteSpan chunk)
{
    ResourceMap map;
    const auto marker = FindMarker(chunk);
    if (!marker)
        return map;

    ByteReader reader(chunk, *marker + 8);  // the map's size field is not needed
    const std::int32_t blocks = reader.I32le().value_or(0);
    // Each block and entry takes at least one byte, so running out of data
    // bounds the loops however large the stored counts are.
    for (std::int32_t block = 0; block < blocks && !reader.AtEnd(); ++block) {
        const auto typeCode = reader.Bytes(4);
        if (!typeCode)
            return map;
        const std::string type = ReverseBytes(*typeCode);
        map.Types.push_back(type);
        const auto entries = reader.I32le();
        if (!entries)
            return map;
        for (std::int32_t entry = 0; entry < *entries && !reader.AtEnd(); ++entry) {
            const auto offset = reader.I32le();
            const auto id = reader.Bytes(4);
            if (!offset || !id)
                return map;
            std::string name = ReadName(reader);
            if (map.Sections.size() < kMaxSections)
                map.Sections.push_back({type, *offset, IdText(*id), std::move(name)});
        }
    }
    return map;
}

namespace {

std::size_t TypeHash(std::string_view type) { return std::hash<std::string_view>()(type); }

std::size_t PairHash(std::string_view type, std::string_view id)
{
    return TypeHash(type) * 31 + std::hash<std::string_view>()(id);
}

}  // namespace

template <typename Matches>
std::size_t SectionIndex::SlotOf(const std::vector<std::size_t>& table, std::size_t hash,
                                 Matches matches) const
{
    // Linear probing in a table at least twice as large as the entries, a
    // power of two in size, so an empty slot always ends the search.
    const std::size_t mask = table.size() - 1;
    std::size_t slot = hash & mask;
    while (table[slot] != kNone && !matches(sections_[table[slot]]))
        slot = (slot + 1) & mask;
    return slot;
}

SectionIndex::SectionIndex(const std::vector<SectionEntry>& sections)
    : sections_(sections),
      nextOfType_(sections.size(), kNone),
      firstOfType_(std::bit_ceil(2 * sections.size() + 1), kNone),
      firstOfPair_(firstOfType_.size(), kNone)
{
    std::vector<std::size_t> lastOfType(firstOfType_.size(), kNone);  // by the same slots as firstOfType_
    for (std::size_t at = 0; at < sections_.size(); ++at) {
        const SectionEntry& entry = sections_[at];
        const std::size_t typeSlot =
            SlotOf(firstOfType_, TypeHash(entry.Type),
                   [&](const SectionEntry& other) { return other.Type == entry.Type; });
        if (firstOfType_[typeSlot] == kNone)
            firstOfType_[typeSlot] = at;
        else
            nextOfType_[lastOfType[typeSlot]] = at;
        lastOfType[typeSlot] = at;

        const std::size_t pairSlot = SlotOf(
            firstOfPair_, PairHash(entry.Type, entry.Id),
            [&](const SectionEntry& other) { return other.Type == entry.Type && other.Id == entry.Id; });
        if (firstOfPair_[pairSlot] == kNone)
            firstOfPair_[pairSlot] = at;
    }
}

std::vector<std::string> SectionIndex::IdsOfType(std::string_view type) const
{
    std::vector<std::string> ids;
    if (sections_.empty())
        return ids;
    const std::size_t slot =
        SlotOf(firstOfType_, TypeHash(type), [&](const SectionEntry& entry) { return entry.Type == type; });
    for (std::size_t at = firstOfType_[slot]; at != kNone; at = nextOfType_[at])
        ids.push_back(sections_[at].Id);
    return ids;
}

const SectionEntry* SectionIndex::Find(std::string_view type, std::string_view id) const
{
    if (sections_.empty())
        return nullptr;
    const std::size_t slot = SlotOf(firstOfPair_, PairHash(type, id), [&](const SectionEntry& entry) {
        return entry.Type == type && entry.Id == id;
    });
    return firstOfPair_[slot] == kNone ? nullptr : &sections_[firstOfPair_[slot]];
}

}  // namespace tarnwick
