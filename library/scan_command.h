#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "library/index_records.h"

namespace tarnwick::library {

inline constexpr char kScanCommand[] = "scan";

// Whether the command line is "tarnwick scan ...": answered without any
// window system, as a plain terminal command.
[[nodiscard]] bool AsksForScan(int argc, const char* const* argv);

// Runs "scan FOLDER... [--conflicts] [--format tsv|json] [--no-cache]" on the
// arguments after "scan": indexes the folders (with the cache in the user's
// cache folder unless told not to) and prints what FormatScan
// makes of them to `out`, folders that could not be read and usage errors to
// `errors`. Returns 0, 1 when different objects share a GUID or a file is
// damaged, and 2 for a wrong command line.
int RunScanCommand(const std::vector<std::string>& arguments, std::FILE* out, std::FILE* errors);

// A root as the cache keys it: absolute, without "." or ".." or a final separator.
[[nodiscard]] std::string AbsoluteRoot(const std::string& root);

// The records in the order the output shows them: by path, then member.
void SortRecords(std::vector<FileRecord>& files);

}  // namespace tarnwick::library
