#pragma once

#include <string>

#include "library/index_records.h"
#include "model/container/byte_string.h"

namespace tarnwick::library {

// More chunks than the chunk list shows is worth a line of damage: such files
// are rare and often the work of a tool gone wrong. The index still reads them all.
inline constexpr std::size_t kChunksWorthNoting = 1000;

// Indexes a chunk file's bytes: every chunk (not only the list's first 1000),
// the damage found, the types nothing reads, the string tables' texts, and
// each object definition with its catalogue names. Fills everything but the
// path, member, size and modification time.
[[nodiscard]] FileRecord IndexChunkBytes(const ByteString& bytes);

// Whether a file name is a chunk file's: *.iff, *.wll or *.flr in any case.
[[nodiscard]] bool IsChunkFileName(std::string_view name);

// Whether a file name is an archive's: *.far in any case.
[[nodiscard]] bool IsArchiveName(std::string_view name);

}  // namespace tarnwick::library
