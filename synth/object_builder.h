#pragma once

#include <cstddef>
#include <cstdint>
#include <map>

#include "synth/iff_builder.h"

namespace tarnwick::fixtures {

// An "OBJD" body: the version, then `wordCount` 16-bit words, 0 except those
// given by word number.
[[nodiscard]] Bytes ObjectDefinitionBody(std::uint32_t version, std::size_t wordCount,
                                         const std::map<std::size_t, std::uint16_t>& words);

}  // namespace tarnwick::fixtures
