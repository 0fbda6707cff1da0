#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace tarnwick {

// The existing folder on this machine that a Windows path from the registry
// names (text in the game's code page). Under Wine the drive letter leads into
// the prefix and names match without regard to case. Nothing when there is no
// such folder.
[[nodiscard]] std::optional<std::filesystem::path> NativeFolder(std::string_view windowsPath);

}  // namespace tarnwick
