#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/container/byte_string.h"

namespace tarnwick {

// Decodes a "STR#" chunk (header included) into its list lines "1:text",
// "2:text", ... A format code below 253, or a chunk too short to hold its format
// code and count, is declined (no value) so the chunk is shown as a dump.
// Decoding stops at the end of the data and keeps the lines found so far.
[[nodiscard]] std::optional<std::vector<std::string>> DecodeStringTable(ByteSpan chunk);

}  // namespace tarnwick
