#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

// Which release of the game an install is.
enum class Edition : std::uint8_t {
    Classic,         // the CD, Deluxe and Complete Collection installs, and their repacks
    ReReleaseSteam,  // the 2025 re-release bought on Steam
    ReReleaseEaApp,  // the same bought in the EA app
};

// How it was reached.
enum class FoundIn : std::uint8_t { Native, WinePrefix, ProtonPrefix, Lutris, Bottles, CrossOver, Whisky };

// One saved neighbourhood: a UserData, UserData2, ... folder.
struct Neighbourhood {
    std::string Name;  // the folder's name, "UserData2"
    std::filesystem::path Folder;
};

struct GameInstall {
    Edition Release = Edition::Classic;
    FoundIn Where = FoundIn::Native;
    std::filesystem::path Prefix;      // the Wine prefix it runs in; empty for a native install
    std::filesystem::path GameFolder;  // holds GameData
    std::filesystem::path Downloads;   // empty when the game has none yet
    std::filesystem::path Walls;       // GameData/Walls, empty when missing
    std::filesystem::path Floors;      // GameData/Floors, empty when missing
    std::filesystem::path SavesRoot;   // holds the neighbourhoods; empty when none was found
    std::vector<Neighbourhood> Neighbourhoods;
};

// "The Sims Legacy Collection on Steam" and the like, for people.
[[nodiscard]] std::string_view EditionName(Edition edition);
[[nodiscard]] std::string_view FoundInName(FoundIn where);

// A game folder holds GameData/Behavior.iff, names in any case: the check
// that tells an install from a folder that only looks like one.
[[nodiscard]] bool IsGameFolder(const std::filesystem::path& folder);

// The neighbourhoods of a saves root: its UserData* folders that hold a
// Neighborhood.iff, "UserData" first and then by number ("UserData2" before
// "UserData10"), then any others by name.
[[nodiscard]] std::vector<Neighbourhood> FindNeighbourhoods(const std::filesystem::path& savesRoot);

// The re-release's saves root below a Saved Games or Documents folder.
[[nodiscard]] std::filesystem::path ReReleaseSavesBelow(const std::filesystem::path& shellFolder);

// The first of the saves roots that holds a neighbourhood; empty when none does.
[[nodiscard]] std::filesystem::path FirstSavesRoot(const std::vector<std::filesystem::path>& roots);

// A neighbourhood's Characters folder, else the neighbourhood's own folder.
[[nodiscard]] std::filesystem::path CharactersFolder(const Neighbourhood& neighbourhood);

// The install with its game folder's Downloads filled in and the given saves.
[[nodiscard]] GameInstall MakeInstall(Edition release, FoundIn where, std::filesystem::path prefix,
                                      std::filesystem::path gameFolder,
                                      const std::filesystem::path& savesRoot);

// Installs in the order found, each one once however many ways lead to it
// (a link, two Steam roots that are one, a prefix listed twice).
class InstallList {
public:
    // Adds the install unless its game folder is one already listed; says which.
    bool Add(GameInstall install);
    [[nodiscard]] const std::vector<GameInstall>& Installs() const { return installs_; }
    [[nodiscard]] std::vector<GameInstall> Take() { return std::move(installs_); }

private:
    std::vector<GameInstall> installs_;
    std::vector<std::filesystem::path> seen_;
};

// One block per install (its edition, how it was found, its folders) for
// --list-installs; one line saying so when there is none.
[[nodiscard]] std::string DescribeInstalls(const std::vector<GameInstall>& installs);

}  // namespace tarnwick
