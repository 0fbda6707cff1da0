#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

// Steam's number for the 2025 re-release of the game.
inline constexpr std::string_view kReReleaseAppId = "3314060";

// Turns a folder named in a Steam file (UTF-8; a Windows path for a Windows
// Steam) into a folder here; nothing when there is no such folder.
using SteamPathMapper = std::function<std::optional<std::filesystem::path>(std::string_view)>;

// Folders named by a native Steam: the text as a path, if it is a folder.
[[nodiscard]] std::optional<std::filesystem::path> NativeSteamPath(std::string_view text);

// The libraries of a Steam root: the root itself, then every library its
// libraryfolders.vdf names (in steamapps/ or config/, in the old shape of
// numbered paths or the newer one of numbered blocks with a "path"). A file
// that cannot be read adds one line to `problems`.
[[nodiscard]] std::vector<std::filesystem::path> SteamLibraries(const std::filesystem::path& root,
                                                                const SteamPathMapper& map,
                                                                std::vector<std::string>& problems);

// The folder an app is installed in in a library: its appmanifest_<id>.acf's
// "installdir" below steamapps/common. Nothing when the library lacks the app
// or the manifest names no single folder.
[[nodiscard]] std::optional<std::filesystem::path> SteamAppFolder(const std::filesystem::path& library,
                                                                  std::string_view appId,
                                                                  std::vector<std::string>& problems);

// The Proton prefixes of an app (compatdata/<id>/pfx) in any of the libraries,
// the most recently used (by its pfx.lock) first.
[[nodiscard]] std::vector<std::filesystem::path> ProtonPrefixes(
    const std::vector<std::filesystem::path>& libraries, std::string_view appId);

// Every Proton prefix of every library, in library and then name order.
[[nodiscard]] std::vector<std::filesystem::path> AllProtonPrefixes(
    const std::vector<std::filesystem::path>& libraries);

// The same folder reached by any road: links resolved where the folder exists.
[[nodiscard]] std::filesystem::path SameFolder(const std::filesystem::path& folder);

}  // namespace tarnwick
