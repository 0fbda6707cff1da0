#include "model/resource_map.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "model/hex_text.h"

namespace tarnwick {

namespace {

constexpr std::string_view kMarker = "pmsr";
constexpr std::uint8_t kPad = 0xA3;

// Reads the map's little-endian fields; every read stops at the end of the data.
class MapReader {
public:
    explicit MapReader(ByteSpan data, std::size_t at) : data_(data), at_(at) {}

    [[nodiscard]] bool AtEnd() const { return at_ >= data_.size(); }

    std::optional<ByteSpan> Take(std::size_t length)
    {
        if (data_.size() - std::min(at_, data_.size()) < length)
            return std::nullopt;
        const ByteSpan taken = data_.subspan(at_, length);
        at_ += length;
        return taken;
    }

    std::optional<std::int32_t> Int32()
    {
        const auto bytes = Take(4);
        if (!bytes)
            return std::nullopt;
        const ByteSpan b = *bytes;
        const auto value = std::uint32_t{b[0]} | (std::uint32_t{b[1]} << 8) |
                           (std::uint32_t{b[2]} << 16) | (std::uint32_t{b[3]} << 24);
        return static_cast<std::int32_t>(value);
    }

    // The bytes up to a 0x00 or pad byte, which is consumed; then one pad byte
    // more is skipped if present. A name cut off by the end keeps what is there.
    std::string Name()
    {
        const auto rest = data_.subspan(std::min(at_, data_.size()));
        const auto end = std::find_if(rest.begin(), rest.end(),
                                      [](std::uint8_t b) { return b == 0 || b == kPad; });
        std::string name(rest.begin(), end);
        at_ += name.size();
        if (end != rest.end()) {
            ++at_;
            if (!AtEnd() && data_[at_] == kPad)
                ++at_;
        }
        return name;
    }

private:
    ByteSpan data_;
    std::size_t at_;
};

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

    MapReader reader(chunk, *marker + 8);  // the map's size field is not needed
    const std::int32_t blocks = reader.Int32().value_or(0);
    // Each block and entry takes at least one byte, so running out of data
    // bounds the loops however large the stored counts are.
    for (std::int32_t block = 0; block < blocks && !reader.AtEnd(); ++block) {
        const auto typeCode = reader.Take(4);
        if (!typeCode)
            return map;
        const std::string type = ReverseBytes(*typeCode);
        map.Types.push_back(type);
        const auto entries = reader.Int32();
        if (!entries)
            return map;
        for (std::int32_t entry = 0; entry < *entries && !reader.AtEnd(); ++entry) {
            const auto offset = reader.Int32();
            const auto id = reader.Take(4);
            if (!offset || !id)
                return map;
            std::string name = reader.Name();
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
