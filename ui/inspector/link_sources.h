#pragma once

#include <filesystem>

namespace tarnwick {

// Where the inspector's links into other files look: the installed game,
// for a file that lies in no game folder, and the library's cache, which
// spares reading the game's objects again (empty: none).
struct LinkSources {
    std::filesystem::path installedGame;
    std::filesystem::path libraryCache;
};

}  // namespace tarnwick
