#include "native_folder.h"
#include "wine_paths.h"
#include "wine_prefix.h"

namespace tarnwick {

std::optional<std::filesystem::path> NativeFolder(std::string_view windowsPath)
{
    return MapWindowsPath(windowsPath, WinePrefix());
}

}  // namespace tarnwick
