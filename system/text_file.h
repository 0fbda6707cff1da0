#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace tarnwick {

struct TextFileRead {
    std::string Text;
    std::string Error;  // why the file was refused; empty when read
};

// Reads a small settings file whole. A missing file, a folder, a device or a file
// larger than `largest` bytes is refused with a reason, the large one unread.
// The path stays wide on Windows, so a user folder of any name is read.
[[nodiscard]] TextFileRead ReadTextFile(const std::filesystem::path& path, std::size_t largest);

}  // namespace tarnwick
