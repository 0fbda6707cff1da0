#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "system/game_install.h"

namespace tarnwick {

// The folder a Windows path in UTF-8 (as Steam writes it) names inside a Wine
// prefix: the drive through dosdevices, each name matched ignoring case.
[[nodiscard]] std::optional<std::filesystem::path> MapUtf8WindowsPath(std::string_view windowsPath,
                                                                      const std::filesystem::path& prefix);

// The re-release's saves root inside a prefix: the first
// <Saved Games>/Electronic Arts/The Sims 25 that holds a neighbourhood, the
// user's Saved Games wherever the prefix's user.reg says it is, else
// drive_c/users/<user>/Saved Games; then the same below Documents. Empty when
// none does.
[[nodiscard]] std::filesystem::path ReReleaseSavesIn(const std::filesystem::path& prefix);

// Adds what one Wine prefix holds: a classic install its registry names
// (SIMS_DATA, InstallPath, InstallPath\The Sims), the re-release in the EA
// app's default folder, and the re-release in a Windows Steam installed in
// the prefix.
void AddPrefixInstalls(const std::filesystem::path& prefix, FoundIn where, InstallList& list,
                       std::vector<std::string>& problems);

}  // namespace tarnwick
