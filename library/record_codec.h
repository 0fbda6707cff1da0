#pragma once

#include <optional>
#include <vector>

#include "library/index_records.h"
#include "model/container/byte_string.h"

namespace tarnwick::library {

// The records of one file as bytes for the cache, and back. Reading checks
// every count and length against the bytes left and declines anything that
// does not end exactly where the bytes do, so a damaged row is never taken
// for a record.
[[nodiscard]] std::vector<std::uint8_t> EncodeRecords(const std::vector<FileRecord>& records);
[[nodiscard]] std::optional<std::vector<FileRecord>> DecodeRecords(ByteSpan bytes);

}  // namespace tarnwick::library
