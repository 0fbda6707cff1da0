#pragma once

#include <filesystem>

#include "system/install_search.h"

namespace tarnwick {

// The folder Tarnwick keeps what it can always make again in: the user's
// cache folder's "tarnwick" ($XDG_CACHE_HOME, else ~/.cache; on Windows the
// local application data). Nothing is made here.
[[nodiscard]] std::filesystem::path UserCacheFolder(const SearchPlaces& places);

}  // namespace tarnwick
