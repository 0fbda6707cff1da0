#include "model/resource_map.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "model/byte_reader.h"
#include "model/hex_text.h"

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

std::string IdText(ByteSpan b)
{
    return ByteHex(b[1]) + ByteHex(b[0]) + ByteHex(b[3]) + ByteHex(b[2]);
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

std::vector<std::string> SectionIdsOfType(const std::vector<SectionEntry>& sections,
                                          std::string_view type)
{
    std::vector<std::string> ids;
    for (const SectionEntry& entry : sections)
        if (entry.Type == type)
            ids.push_back(entry.Id);
    return ids;
}

const SectionEntry* FindSection(const std::vector<SectionEntry>& sections, std::string_view type,
                                std::string_view id)
{
    const auto found = std::find_if(sections.begin(), sections.end(), [&](const SectionEntry& entry) {
        return entry.Type == type && entry.Id == id;
    });
    return found == sections.end() ? nullptr : &*found;
}

}  // namespace tarnwick
