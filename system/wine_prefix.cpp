#include "system/wine_prefix.h"

#include <cstdlib>

namespace tarnwick {

std::filesystem::path WinePrefix()
{
    // An empty variable counts as unset, so it never turns into the current folder.
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix != nullptr && *prefix != '\0')
        return prefix;
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return std::filesystem::path(home) / ".wine";
    return {};
}

}  // namespace tarnwick
