#pragma once

#include <cstdint>
#include <string>

#include "model/container/byte_string.h"

namespace tarnwick {

// The three texts that show a file's bytes at a resource's file position.
struct OffsetViewTexts {
    std::string HexText;        // up to ten lines of sixteen "XX" values, each ended by a CR
    std::string CharacterText;  // the printable column of the same lines, each ended by a CR
    std::string ValueRun;       // the first 129 bytes as hex without leading zeros, run together
};

inline constexpr std::size_t kOffsetViewLines = 10;
inline constexpr std::size_t kOffsetViewRunBytes = 129;

// The texts for the bytes from zero-based `fileOffset` on. A resource map stores
// offsets counted from 0: an entry's offset is where its chunk's type code
// starts, so the view begins on that byte. Only bytes that exist are shown: a line is as long as its bytes,
// and an offset outside the file gives empty texts.
[[nodiscard]] OffsetViewTexts MakeOffsetViewTexts(ByteSpan file, std::int64_t fileOffset);

}  // namespace tarnwick
