#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "library/chunk_place.h"

namespace tarnwick::library {

struct CalledBehaviour {
    std::string name;  // the chunk's label, Windows-1252
    ChunkPlace place;  // a BHAV chunk
};

// The global behaviours (global.iff) and the semi-global files (named by an
// object's "GLOB") of one game folder, the folder that holds GameData. Each
// file is looked for in GameData/Global, loose first and then as a member of
// Global.far, names in any case; it is read once, on first need, and only its
// behaviours' IDs and labels are kept. A file missing, unreadable or damaged
// names nothing. Safe to use from several threads.
class GameBehaviours {
public:
    explicit GameBehaviours(std::filesystem::path gameFolder) : gameFolder_(std::move(gameFolder)) {}

    [[nodiscard]] const std::filesystem::path& GameFolder() const { return gameFolder_; }

    // Global behaviour `id` (opcodes 256-4095), or nothing when the game has
    // no such behaviour or no global file that reads.
    [[nodiscard]] std::optional<CalledBehaviour> Global(std::uint16_t id);

    // Semi-global behaviour `id` (opcodes 8192 and up) of the file a "GLOB"
    // names ("PersonGlobals" is personglobals.iff). A name that is empty or
    // would reach outside the folder (slashes, "..") names no file.
    [[nodiscard]] std::optional<CalledBehaviour> SemiGlobal(std::string_view globalName, std::uint16_t id);

private:
    struct BehaviourFile {
        std::string path;
        std::string member;
        std::unordered_map<std::uint16_t, std::string> names;  // the first chunk of each ID
    };

    [[nodiscard]] std::optional<CalledBehaviour> Find(const std::string& fileName, std::uint16_t id);
    [[nodiscard]] BehaviourFile Read(const std::string& fileName) const;

    std::filesystem::path gameFolder_;
    std::mutex mutex_;
    std::map<std::string, BehaviourFile> files_;  // by the file's name in lower case
};

// The file a "GLOB" name stands for, in lower case with ".iff" added unless
// it ends so; empty for a name that cannot be a file of the folder.
[[nodiscard]] std::string SemiGlobalFileNameFor(std::string_view globalName);

// The game folder a file lies in: the nearest of its folders, going up, that
// holds GameData/Behavior.iff (names in any case). Nothing when none does.
[[nodiscard]] std::optional<std::filesystem::path> GameFolderAround(const std::filesystem::path& file);

// The game folder whose files a file's links lead into: the one around the
// file, else `installed` (empty for none).
[[nodiscard]] std::optional<std::filesystem::path> GameFolderFor(const std::string& file,
                                                                 const std::filesystem::path& installed);

// The behaviours of `gameFolder`, one object per folder for the program's
// life, so that each file is read once however many windows ask.
[[nodiscard]] std::shared_ptr<GameBehaviours> BehavioursOfGame(const std::filesystem::path& gameFolder);

}  // namespace tarnwick::library
