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

}  // namespace tarnwick
