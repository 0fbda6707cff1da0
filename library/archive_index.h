#pragma once

#include <string>
#include <vector>

#include "library/folder_walk.h"
#include "library/index_records.h"

namespace tarnwick::library {

// The records of an archive (*.far): one per member, each indexed as a chunk
// file with the archive's path and the member's stored name.
//
// Until the archive reader is part of the model, an archive is one record of
// its own with no chunks and a line saying its members are not read; this
// function is then the one place that changes.
[[nodiscard]] std::vector<FileRecord> IndexArchive(const ListedFile& archive);

}  // namespace tarnwick::library
