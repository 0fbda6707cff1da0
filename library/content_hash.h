#pragma once

#include <cstdint>

#include "model/container/byte_string.h"

namespace tarnwick::library {

// A 64-bit hash of every byte, eight at a time: fast enough to hash each file
// an index reads, and wide enough that two different files of one download
// folder never share one by chance.
[[nodiscard]] std::uint64_t ContentHash(ByteSpan bytes);

}  // namespace tarnwick::library
