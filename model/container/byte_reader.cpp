#include "model/container/byte_reader.h"

#include <algorithm>

namespace tarnwick {

template <typename Number, bool kBigEndian>
std::optional<Number> ByteReader::Read()
{
    const auto bytes = Bytes(sizeof(Number));
    if (!bytes)
        return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < sizeof(Number); ++i) {
        const std::uint8_t byte = (*bytes)[kBigEndian ? i : sizeof(Number) - 1 - i];
        value = (value << 8) | byte;
    }
    return static_cast<Number>(value);
}

std::optional<std::uint8_t> ByteReader::U8() { return Read<std::uint8_t, false>(); }
std::optional<std::uint16_t> ByteReader::U16le() { return Read<std::uint16_t, false>(); }
std::optional<std::uint16_t> ByteReader::U16be() { return Read<std::uint16_t, true>(); }
std::optional<std::uint32_t> ByteReader::U32le() { return Read<std::uint32_t, false>(); }
std::optional<std::uint32_t> ByteReader::U32be() { return Read<std::uint32_t, true>(); }
std::optional<std::int16_t> ByteReader::I16le() { return Read<std::int16_t, false>(); }
std::optional<std::int32_t> ByteReader::I32le() { return Read<std::int32_t, false>(); }
std::optional<std::int32_t> ByteReader::I32be() { return Read<std::int32_t, true>(); }

std::optional<ByteSpan> ByteReader::Bytes(std::size_t count)
{
    if (count > Remaining())
        return std::nullopt;
    const ByteSpan taken = bytes_.subspan(at_, count);
    at_ += count;
    return taken;
}

std::optional<ByteSpan> ByteReader::NulEndedText()
{
    const ByteSpan rest = bytes_.subspan(std::min(at_, bytes_.size()));
    const auto nul = std::find(rest.begin(), rest.end(), std::uint8_t{0});
    if (nul == rest.end())
        return std::nullopt;
    const auto length = static_cast<std::size_t>(nul - rest.begin());
    at_ += length + 1;
    return rest.first(length);
}

ByteSpan ByteReader::Rest()
{
    const ByteSpan rest = bytes_.subspan(std::min(at_, bytes_.size()));
    at_ = std::max(at_, bytes_.size());
    return rest;
}

bool ByteReader::Skip(std::size_t count)
{
    if (count > Remaining())
        return false;
    at_ += count;
    return true;
}

}  // namespace tarnwick
