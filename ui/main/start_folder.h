#pragma once

#include <QString>
#include <string>

namespace tarnwick {

// The folder the file browser opens on: the characters folder below the game's
// data folder, or the user's home folder when the game was not found or that
// folder does not exist.
[[nodiscard]] QString StartFolder(const std::string& gamePath);

}  // namespace tarnwick
