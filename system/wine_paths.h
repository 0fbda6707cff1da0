#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

// A drive letter of a Wine prefix and the folder it stands for.
struct WineDrive {
    std::string Letter;  // "C:"
    std::filesystem::path Folder;
};

// The drives in the prefix's dosdevices folder whose links lead to a folder,
// in letter order; none for an empty prefix.
[[nodiscard]] std::vector<WineDrive> WineDrives(const std::filesystem::path& prefix);

// The folder that a Windows path such as "C:\Program Files\x" names inside a
// Wine prefix: the drive letter through its dosdevices link, then each name
// matched without regard to case, so "UserData\Characters" finds
// "userdata/characters". The path is text in the game's code page. Nothing
// when the drive is not linked or a folder does not exist.
[[nodiscard]] std::optional<std::filesystem::path> MapWindowsPath(std::string_view windowsPath,
                                                                  const std::filesystem::path& prefix);

}  // namespace tarnwick
