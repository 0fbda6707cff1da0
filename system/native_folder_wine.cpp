#include "system/native_folder.h"
#include "system/wine_paths.h"
#include "system/wine_prefix.h"

namespace tarnwick {

std::optional<std::filesystem::path> NativeFolder(std::string_view windowsPath)
{
    return MapWindowsPath(windowsPath, WinePrefix());
}

}  // namespace tarnwick
