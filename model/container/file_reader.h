#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarnwick {

struct FileReadResult {
    std::vector<std::uint8_t> bytes;
    std::string error;  // the system's reason when the file could not be read; empty on success

    [[nodiscard]] bool ok() const { return error.empty(); }
};

// The largest file whose every byte has a position in a signed 32-bit number.
inline constexpr std::uint64_t kLargestReadableFile = 0x7FFFFFFF;

// Reads a whole regular file. Folders, devices and pipes are refused without
// opening them for reading, so nothing ever waits on a pipe or endless device;
// a file that shrinks while it is read gives the bytes that were there, and one
// that holds more than its reported size (such as the files of /proc, which
// report none) is read to its end, unless that end is past the largest
// readable size.
[[nodiscard]] FileReadResult ReadWholeFile(const std::string& path);

// Up to `size` bytes from `offset` of a file, and the file's size when it was
// opened.
struct FileRangeResult {
    std::vector<std::uint8_t> bytes;
    std::uint64_t fileSize = 0;
    std::string error;  // as FileReadResult's

    [[nodiscard]] bool ok() const { return error.empty(); }
};

// Reads the bytes [offset, offset + size) of a regular file by their position,
// without reading what lies before or after them: fewer when the file ends
// first, none when it ends before `offset`. Refuses what ReadWholeFile
// refuses (folders, devices, pipes, never opened for reading) and a range
// longer than the largest readable size.
[[nodiscard]] FileRangeResult ReadFileRange(const std::string& path, std::uint64_t offset,
                                            std::uint64_t size);

}  // namespace tarnwick
