#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace tarnwick {

// What tells a file on disk from its earlier self: its path, size and time of
// last change. A click on the file already shown reloads it only when these
// changed, so the chunk shown and the inspector stay.
struct FileStamp {
    std::string path;
    std::uintmax_t size = 0;
    std::chrono::file_clock::time_point changed;

    // The stamp of the file at `path` (bytes, as the system names it) as it is
    // now; nothing when it cannot be read.
    [[nodiscard]] static std::optional<FileStamp> Of(const std::string& path);
    [[nodiscard]] bool operator==(const FileStamp&) const = default;
};

}  // namespace tarnwick
