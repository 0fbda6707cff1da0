#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

// What a folder entry is, links followed: a link to a file is a file; a device,
// a pipe, a socket or a dangling link is something else.
enum class EntryKind : std::uint8_t { File, Folder, Other };

// The entries of one folder with their names as the system's bytes (UTF-8 on
// Windows). The names share one buffer, so a folder of 100,000 files costs
// little more than its names.
class FolderListing {
public:
    [[nodiscard]] std::size_t Size() const { return kinds_.size(); }
    [[nodiscard]] std::string_view Name(std::size_t index) const
    {
        const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
        return std::string_view(names_).substr(begin, ends_[index] - begin);
    }
    [[nodiscard]] EntryKind Kind(std::size_t index) const { return kinds_[index]; }
    void Add(std::string_view name, EntryKind kind);
    // Puts the entries in the order people look for names in: without regard
    // to the case of ASCII letters, then by bytes, so the order is whole.
    void SortByName();

private:
    std::string names_;
    std::vector<std::uint32_t> ends_;  // where each name ends in names_
    std::vector<EntryKind> kinds_;
};

struct FolderRead {
    bool Opened = false;
    std::string Reason;  // the system's reason when the folder could not be read
    // A folder of an archive that is there: read from its manifest, or, when
    // the archive was declined, its top folder with the reason why.
    bool InArchive = false;
    FolderListing Entries;
};

// Reads the folder `path` (its bytes) once, sorted by name, leaving out "."
// and "..". Only
// links, and entries of a file system that does not tell an entry's kind, cost
// a look at the entry itself.
[[nodiscard]] FolderRead ReadFolder(const std::string& path);

// A file's size and the time of its last change, links followed.
struct SizeAndTime {
    std::uint64_t Size = 0;
    std::int64_t Modified = 0;  // nanoseconds since 1970 began, UTC
};

// One look at the file: a walk over thousands of files pays for one call
// each; nothing when it cannot be looked at. Nothing is opened.
[[nodiscard]] std::optional<SizeAndTime> SizeAndTimeOf(const std::string& path);

// Whether `path` names a folder, readable or not; nothing is opened.
[[nodiscard]] bool IsFolder(const std::string& path);
// Whether `path` names a regular file, links followed; nothing is opened.
[[nodiscard]] bool IsFile(const std::string& path);

}  // namespace tarnwick
