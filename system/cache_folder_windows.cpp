#include "system/cache_folder.h"

#include "system/folder_names.h"

namespace tarnwick {

std::filesystem::path UserCacheFolder(const SearchPlaces& places)
{
    const std::filesystem::path local = PathFromUtf8(places.Variable("LOCALAPPDATA"));
    const std::filesystem::path root = local.is_absolute() ? local : places.Home / "AppData" / "Local";
    return root / "Tarnwick" / "Cache";
}

}  // namespace tarnwick
