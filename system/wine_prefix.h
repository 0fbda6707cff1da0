#pragma once

#include <filesystem>

namespace tarnwick {

// The folder of the Wine installation the game lives in: $WINEPREFIX, else
// ~/.wine; an empty path when neither variable is set.
[[nodiscard]] std::filesystem::path WinePrefix();

}  // namespace tarnwick
