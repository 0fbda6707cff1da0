#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "model/container/byte_string.h"

namespace tarnwick {

// The inspector's hex view of a chunk, sixteen bytes a line, each line with
// its offset from the chunk's start and from the file's start:
//
//   00000010  0000004C  53 54 52 23 00 ...  STR#....
//
// Lines are formatted one at a time, so a chunk of any size costs nothing
// until its lines are looked at.
class HexRows {
public:
    static constexpr std::size_t kBytesPerLine = 16;

    HexRows(ByteString chunk, std::uint64_t fileOffset) : chunk_(std::move(chunk)), fileOffset_(fileOffset) {}

    [[nodiscard]] std::size_t LineCount() const
    {
        return (chunk_.size() + kBytesPerLine - 1) / kBytesPerLine;
    }
    [[nodiscard]] std::string Line(std::size_t index) const;
    // Lines first..last (both included), each ended by a line break.
    [[nodiscard]] std::string Text(std::size_t first, std::size_t last) const;

private:
    ByteString chunk_;
    std::uint64_t fileOffset_;
};

}  // namespace tarnwick
