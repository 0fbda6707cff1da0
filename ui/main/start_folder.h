#pragma once

#include <QString>
#include <filesystem>
#include <string>
#include <vector>

#include "system/game_install.h"

namespace tarnwick {

// A folder as the lists take it, whatever bytes or characters its name holds.
[[nodiscard]] QString FolderText(const std::filesystem::path& folder);

// The folder the file browser opens on: the characters folder below the game's
// data folder from the registry; where that is missing, the first install's
// first neighbourhood's characters (or its game folder, with no saves yet);
// else the user's home folder.
[[nodiscard]] QString StartFolder(const std::string& gamePath, const std::vector<GameInstall>& installs);

}  // namespace tarnwick
