#pragma once

#include <string>
#include <string_view>

#include "system/registry.h"

namespace tarnwick {

inline constexpr std::string_view kGamePathNotFound = "Not Found";

// The game's data folder from the registry, ending in a backslash, or "Not Found".
[[nodiscard]] std::string GetGamePath(Registry& registry);

// Opens `keyPath` under `root`, reads `valueName` as text and closes the key;
// an empty text when any step fails.
[[nodiscard]] std::string ReadRegistryString(Registry& registry, RegistryKey root, std::string_view keyPath,
                                             std::string_view valueName);

// A value of an open key as text: a text value up to its first NUL, a binary
// value as the decimal of its first signed little-endian 16-bit number, and an
// empty text for any other type or a failed read.
[[nodiscard]] std::string QueryRegistryValue(Registry& registry, RegistryKey key, std::string_view valueName);

}  // namespace tarnwick
