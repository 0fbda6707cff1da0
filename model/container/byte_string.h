#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

using ByteSpan = std::span<const std::uint8_t>;

// A read-only run of bytes that shares ownership of the buffer it was cut from:
// a file, a chunk or a part of one. A chunk of an earlier file stays valid while
// a window still shows it, however many files are loaded after it.
class ByteString {
public:
    ByteString() = default;
    explicit ByteString(std::vector<std::uint8_t> bytes);

    [[nodiscard]] ByteSpan span() const { return view_; }
    [[nodiscard]] std::size_t size() const { return view_.size(); }
    [[nodiscard]] bool empty() const { return view_.empty(); }
    [[nodiscard]] std::uint8_t operator[](std::size_t index) const { return view_[index]; }

    // The bytes [offset, offset + length), clamped to what exists.
    [[nodiscard]] ByteString Slice(std::size_t offset, std::size_t length) const;

    // The same bytes in a buffer of their own, so that holding them no longer
    // keeps the rest of the buffer they were cut from.
    [[nodiscard]] ByteString OwnCopy() const;

private:
    std::shared_ptr<const std::vector<std::uint8_t>> owner_;
    ByteSpan view_;
};

// [offset, offset + length) clamped to the span; never reads past its end.
[[nodiscard]] ByteSpan ClampedSlice(ByteSpan bytes, std::size_t offset, std::size_t length);

// Bytes shown as text, one character per byte, as the file holds them.
[[nodiscard]] std::string BytesAsText(ByteSpan bytes);

[[nodiscard]] inline ByteSpan TextAsBytes(std::string_view text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace tarnwick
