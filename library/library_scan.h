#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "library/folder_walk.h"
#include "library/index_records.h"

namespace tarnwick::library {

// What a scan reports as it goes. Both are called from the worker threads,
// one call at a time, so a receiver needs no lock of its own against them but
// must hand the work to its own thread (a window) before touching anything else.
struct ScanReceiver {
    // Every file found, before any is read: the size of the whole task.
    std::function<void(std::size_t filesInAll)> listed;
    // The records of one file (several for an archive), and the files done so far.
    std::function<void(std::vector<FileRecord> records, std::size_t filesDone)> indexed;
};

struct ScanOptions {
    // Worker threads; 0 takes one per hardware thread.
    unsigned workers = 0;
    // The records known for a file of this path, size and modification time
    // (the cache), or nothing; they are delivered without reading the file.
    std::function<std::optional<std::vector<FileRecord>>(const ListedFile& file)> known;
};

struct ScanSummary {
    std::size_t filesInAll = 0;
    std::size_t filesDone = 0;
    std::size_t filesRead = 0;  // done, less those the cache knew
    bool stopped = false;
    std::vector<std::string> problems;  // folders that could not be read
};

// Lists the chunk files and archives under the roots and indexes each on a
// pool of worker threads, delivering the records as they come. A stop request
// is honoured between files: the files in hand are finished and no other begins.
ScanSummary Scan(const std::vector<std::string>& roots, const ScanOptions& options,
                 const ScanReceiver& receiver, std::stop_token stop = {});

// The records of one listed file, read from the disk.
[[nodiscard]] std::vector<FileRecord> IndexListedFile(const ListedFile& file);

}  // namespace tarnwick::library
