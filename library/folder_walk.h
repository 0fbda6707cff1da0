#pragma once

#include <cstdint>
#include <stop_token>
#include <string>
#include <vector>

namespace tarnwick::library {

// A file the index will read: a chunk file, or an archive of them.
struct ListedFile {
    std::string path;  // in the system's bytes
    std::uint64_t size = 0;
    std::int64_t modified = 0;  // nanoseconds since the epoch
    bool archive = false;
};

struct FolderWalk {
    std::vector<ListedFile> files;      // in the order of the roots, each folder in name order
    std::vector<std::string> problems;  // one line per folder that could not be read
};

// Every chunk file (*.iff, *.wll, *.flr) and archive (*.far), names in any
// case, under the roots, with their sizes and modification times. Links are
// followed, but each folder is walked once, so a link to a folder above it
// ends nowhere; a root that is itself a file is listed as one. Stops early,
// with what was found so far, when a stop is requested.
[[nodiscard]] FolderWalk ListIndexableFiles(const std::vector<std::string>& roots, std::stop_token stop = {});

}  // namespace tarnwick::library
