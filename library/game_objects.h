#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>
#include <unordered_map>
#include <vector>

#include "library/index_records.h"

namespace tarnwick::library {

// An object of the game's own files, and the file that holds it.
struct GameObject {
    std::string path;    // the loose file, or the archive that holds it (the system's bytes)
    std::string member;  // the member's stored name; empty for a loose file
    ObjectRecord object;
};

// The folders of a game folder whose files are the game's own: GameData,
// Deluxe and the expansion folders (ExpansionPack, ExpansionPack2, ...,
// ExpansionShared), names in any case, in name order. Downloads and the
// neighbourhoods are not among them.
[[nodiscard]] std::vector<std::string> GameObjectFolders(const std::filesystem::path& gameFolder);

// Whether `path` lies in one of those folders of `gameFolder`, so that its
// objects are the game's and replace none.
[[nodiscard]] bool IsGameOwnFile(const std::string& path, const std::filesystem::path& gameFolder);

// The objects of a game's own files by GUID, so that an object elsewhere
// (a download) can name the game object it replaces.
class GameObjects {
public:
    GameObjects() = default;
    explicit GameObjects(const std::vector<FileRecord>& files);

    // The game's object with this GUID: one in an archive before a loose one
    // (a loose file in GameData may itself replace the game's), else the
    // first by path. Nothing when the game has none.
    [[nodiscard]] std::optional<GameObject> Find(std::uint32_t guid) const;

private:
    std::unordered_map<std::uint32_t, GameObject> byGuid_;
};

// Indexes the game's own files with the library's index, through the cache
// at `cacheFile` when it can be used (empty: no cache), and keeps what it
// read there for the next time. Nothing when a stop was requested: an index
// cut short would miss objects.
[[nodiscard]] std::shared_ptr<const GameObjects> IndexGameObjects(const std::filesystem::path& gameFolder,
                                                                  const std::filesystem::path& cacheFile,
                                                                  const std::stop_token& stop = {});

}  // namespace tarnwick::library
