#pragma once

#include <string>
#include <vector>

#include "library/conflicts.h"
#include "library/index_records.h"

namespace tarnwick::library {

enum class OutputFormat { Tsv, Json };

// What `tarnwick scan` prints: the conflict groups when asked (harmful first),
// then every object and every file. TSV sections begin with a line of column
// names and end with an empty line; fields are UTF-8 with tabs, line breaks
// and backslashes written as \t, \n and \\. JSON is one object with the
// arrays "conflicts" (when asked), "objects" and "files".
[[nodiscard]] std::string FormatScan(const std::vector<FileRecord>& files,
                                     const std::vector<ConflictGroup>& conflicts, bool withConflicts,
                                     OutputFormat format);

// Whether the scan found what breaks a game: different objects sharing a
// GUID, or a damaged file.
[[nodiscard]] bool FoundHarm(const std::vector<FileRecord>& files,
                             const std::vector<ConflictGroup>& conflicts);

// "0000ABCD": a GUID as eight hex digits.
[[nodiscard]] std::string GuidText(std::uint32_t guid);

// "single", "lead of group 16", "tile (1, -1) of group 16".
[[nodiscard]] std::string TilesText(const ObjectRecord& object);

// The name a buyer sees in English (US), else in the first language the
// table has, as UTF-8; "" when the object has none or only in a code page
// that needs a full decoder (which the windows have).
[[nodiscard]] std::string DisplayName(const ObjectRecord& object);

// A file, or an archive's member, as people read it: "path" or "path: member".
[[nodiscard]] std::string PlaceText(const FileRecord& file);

}  // namespace tarnwick::library
