#pragma once

#include <vector>

#include "library/folder_walk.h"
#include "library/index_records.h"

namespace tarnwick::library {

// The records of an archive (*.far): first the archive itself (its size and
// time, no chunks, damage when the archive as a whole is declined), then each
// member that is a chunk file by its name, indexed as one, with the archive's
// path and time, the member's stored name and its own size. A member the
// manifest marks as damaged is a record with that damage.
[[nodiscard]] std::vector<FileRecord> IndexArchive(const ListedFile& archive);

}  // namespace tarnwick::library
