#include "system/cache_folder.h"

#include "system/folder_names.h"

namespace tarnwick {

std::filesystem::path UserCacheFolder(const SearchPlaces& places)
{
    // A relative XDG_CACHE_HOME is invalid and ignored, as the standard says.
    const std::filesystem::path named = PathFromUtf8(places.Variable("XDG_CACHE_HOME"));
    const std::filesystem::path root = named.is_absolute() ? named : places.Home / ".cache";
    return root / "tarnwick";
}

}  // namespace tarnwick
