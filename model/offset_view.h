#pragma once

#include <cstdint>
#include <string>

#include "byte_string.h"

namespace tarnwick {

// The three texts that show a file's bytes at a resource's file position.
struct OffsetViewTexts {
    std::string HexText;        // up to ten lines of sixteen "XX" values, each ended by a CR
    std::string CharacterText;  // the printable column of the same lines, each ended by a CR
    std::string ValueRun;       // the first 129 bytes as hex without leading zeros, run together
};

inline constexpr std::size_t kOffsetViewLines = 10;
inline constexpr std::size_t kOffsetViewRunBytes = 129;

// The texts for the bytes from zero-based `fileOffset` on, as a resource map
// stores it. Only bytes that exist are shown: a line is as long as its bytes,
// and an offset outside the file gives empty texts.
[[nodiscard]] OffsetViewTexts MakeOffsetViewTexts(ByteSpan file, std::int64_t fileOffset);

}  // namespace tarnwick
