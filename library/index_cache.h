#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "library/folder_walk.h"
#include "library/index_records.h"

struct sqlite3;

namespace tarnwick::library {

// What the index extracted from each file, kept in an SQLite database keyed
// by the file's path, size and modification time, so that a second scan reads
// only the files that changed. It holds nothing that a scan cannot make
// again: a cache that is damaged or of another schema is deleted and made
// anew, never trusted, and one that another program holds locked is left
// alone and not used until the next scan.
class IndexCache {
public:
    enum class State {
        Opened,       // read as it was
        Made,         // there was none
        Rebuilt,      // damaged or of another version: made anew
        Unavailable,  // locked, or the folder cannot be written: every file is read
    };

    inline static constexpr int kSchemaVersion = 1;

    // Opens the cache file, making its folder; waits for a lock up to `busyMilliseconds`.
    explicit IndexCache(const std::filesystem::path& file, int busyMilliseconds = 2000);
    ~IndexCache();
    IndexCache(const IndexCache&) = delete;
    IndexCache& operator=(const IndexCache&) = delete;

    [[nodiscard]] State state() const { return state_; }
    // Why the cache was rebuilt or cannot be used; empty otherwise.
    [[nodiscard]] const std::string& problem() const { return problem_; }
    [[nodiscard]] std::size_t size() const { return rows_.size(); }

    // The records kept for this file, when its size and modification time
    // are those it had; safe to call from several threads at once.
    [[nodiscard]] std::optional<std::vector<FileRecord>> Find(const ListedFile& file) const;

    // Keeps the records of a scan of `roots`: those of files new or changed
    // are written, and, when the scan was complete, the rows of files under
    // the roots that it no longer found are deleted. False when the write failed.
    bool Update(const std::vector<std::string>& roots, const std::vector<FileRecord>& records, bool complete);

private:
    struct Row {
        std::uint64_t size = 0;
        std::int64_t modified = 0;
        std::vector<FileRecord> records;
    };

    [[nodiscard]] std::string Load();
    [[nodiscard]] bool Execute(const char* statement);
    void Close();
    bool Make();

    std::filesystem::path file_;
    sqlite3* db_ = nullptr;
    State state_ = State::Unavailable;
    std::string problem_;
    std::map<std::string, Row, std::less<>> rows_;
};

// The cache of the library in the user's cache folder.
[[nodiscard]] std::filesystem::path DefaultCacheFile();

}  // namespace tarnwick::library
