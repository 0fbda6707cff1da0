#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "model/container/byte_string.h"

namespace tarnwick {

// Reads numbers and runs of bytes from a span, checking every read against the
// bytes that remain: a read that would pass the end is reported (no value) and
// not performed, and the position stays where it was. Names say the width and
// byte order: the container's numbers are big-endian, most chunk bodies'
// little-endian.
class ByteReader {
public:
    explicit ByteReader(ByteSpan bytes, std::size_t at = 0) : bytes_(bytes), at_(at) {}

    [[nodiscard]] std::size_t Position() const { return at_; }
    [[nodiscard]] std::size_t Remaining() const { return at_ < bytes_.size() ? bytes_.size() - at_ : 0; }
    [[nodiscard]] bool AtEnd() const { return Remaining() == 0; }

    [[nodiscard]] std::optional<std::uint8_t> U8();
    [[nodiscard]] std::optional<std::uint16_t> U16le();
    [[nodiscard]] std::optional<std::uint16_t> U16be();
    [[nodiscard]] std::optional<std::uint32_t> U32le();
    [[nodiscard]] std::optional<std::uint32_t> U32be();
    [[nodiscard]] std::optional<std::int16_t> I16le();
    [[nodiscard]] std::optional<std::int32_t> I32le();
    [[nodiscard]] std::optional<std::int32_t> I32be();

    // The next `count` bytes.
    [[nodiscard]] std::optional<ByteSpan> Bytes(std::size_t count);
    // The bytes up to the next NUL, which is read too; nothing when no NUL
    // comes before the end.
    [[nodiscard]] std::optional<ByteSpan> NulEndedText();
    // Everything from here to the end.
    [[nodiscard]] ByteSpan Rest();

    // Moves on by `count` bytes; false, without moving, past the end.
    bool Skip(std::size_t count);

private:
    template <typename Number, bool kBigEndian>
    std::optional<Number> Read();

    ByteSpan bytes_;
    std::size_t at_;
};

}  // namespace tarnwick
