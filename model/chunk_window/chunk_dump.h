#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "model/container/byte_string.h"
#include "model/container/chunk_table.h"

namespace tarnwick {

// The hex dump of a chunk's contents, sixteen bytes a line:
//
//   0000008C: 53 54 52 23 00 ...  (hex column padded to 50)  STR#....
//
// Each line is formatted on its own, in constant time, so a window can show the
// dump of a chunk of any size one visible line at a time. A chunk without
// contents has one line of its address alone.
class ChunkDump {
public:
    static constexpr std::size_t kBytesPerLine = 16;
    static constexpr std::size_t kMaxLineLength = 76;

    explicit ChunkDump(const ChunkInfo& chunk);

    [[nodiscard]] std::size_t LineCount() const;

    // Writes line `index` (below LineCount) into `out`; returns its length.
    std::size_t WriteLine(std::size_t index, std::span<char, kMaxLineLength> out) const;

    [[nodiscard]] std::string Line(std::size_t index) const;

    // The number of content bytes shown.
    [[nodiscard]] std::size_t ContentSize() const { return contents_.size(); }
    // Keeps the shown bytes in a buffer of their own, letting go of the file
    // they were cut from.
    void KeepOwnCopy() { contents_ = contents_.OwnCopy(); }

private:
    ByteString contents_;
    std::uint64_t contentsOffset_;  // zero-based file offset of the first content byte
};

}  // namespace tarnwick
