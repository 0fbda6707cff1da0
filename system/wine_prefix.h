#pragma once

#include <filesystem>
#include <memory>

#include "system/registry.h"

namespace tarnwick {

// The folder of the Wine installation the game lives in: $WINEPREFIX, else
// ~/.wine; an empty path when neither variable is set.
[[nodiscard]] std::filesystem::path WinePrefix();

// The registry of a prefix: its system.reg, read as the system registry is,
// a 64-bit prefix's Wow6432Node keys included. Holds no key when the prefix
// has no readable system.reg.
[[nodiscard]] std::unique_ptr<Registry> MakeWineRegistry(const std::filesystem::path& prefix);

}  // namespace tarnwick
