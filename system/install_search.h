#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "system/game_install.h"

namespace tarnwick {

// Where a search starts: the user's home folder and the environment, given
// rather than read so that a test can hand over a home of its own making.
struct SearchPlaces {
    std::filesystem::path Home;
    // An environment variable's value; empty when unset.
    std::function<std::string(std::string_view)> Variable;

    // This user's home and environment.
    [[nodiscard]] static SearchPlaces OfThisUser();
};

struct InstallSearch {
    std::vector<GameInstall> Installs;  // in the order the places were looked at
    std::vector<std::string> Problems;  // one line per settings file that was refused
};

// Every install of the game on this machine: the re-release in Steam's
// libraries, then the classic and re-release installs of each Wine prefix
// (or, on Windows, of the registry and the usual folders). Each candidate's
// game folder holds GameData/Behavior.iff, and each neighbourhood listed a
// Neighborhood.iff.
[[nodiscard]] InstallSearch FindInstalls(const SearchPlaces& places);

}  // namespace tarnwick
