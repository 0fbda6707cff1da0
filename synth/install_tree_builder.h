#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Builders of the folders where players have the game: game folders, saves,
// Steam roots and libraries, Wine prefixes and launcher files, for the tests
// of the install search and the windows.
namespace tarnwick::fixtures {

// Writes `text` to `file`, making its folders.
void WriteTextFile(const std::filesystem::path& file, std::string_view text);

// A game folder: GameData/Behavior.iff (a small real file), GameData/Walls,
// GameData/Floors and Downloads, each with a file of its kind.
void WriteGameFolder(const std::filesystem::path& folder);

// A folder that looks like a game but lacks GameData/Behavior.iff.
void WriteLookAlikeGameFolder(const std::filesystem::path& folder);

// Neighbourhoods below a saves root: each folder with a Neighborhood.iff and
// a Characters folder holding one character file named after it
// ("UserData2.IFF").
void WriteNeighbourhoods(const std::filesystem::path& savesRoot, const std::vector<std::string>& names);

// steamapps/libraryfolders.vdf of a Steam root listing the libraries, in the
// newer shape (blocks with "path") or the older (numbered paths).
enum class LibraryListShape { Blocks, Paths };
void WriteLibraryList(const std::filesystem::path& steamRoot, const std::vector<std::string>& libraries,
                      LibraryListShape shape = LibraryListShape::Blocks);

// steamapps/appmanifest_<id>.acf naming `installDir`.
void WriteAppManifest(const std::filesystem::path& library, std::string_view appId,
                      std::string_view installDir);

// A Wine prefix: drive_c, dosdevices/c: linked to it, and a system.reg with
// the classic key's values (name, Windows path) in the 64-bit prefix's
// Wow6432Node view, or no key at all when there are none.
void WriteWinePrefix(const std::filesystem::path& prefix,
                     const std::vector<std::pair<std::string, std::string>>& classicValues = {});

// A prefix's user.reg naming the user's shell folders: each (value name,
// Windows path) in User Shell Folders, as Wine writes them with
// %USERPROFILE%, and in Shell Folders, as written out in full.
void WriteUserShellFolders(const std::filesystem::path& prefix,
                           const std::vector<std::pair<std::string, std::string>>& userShellFolders,
                           const std::vector<std::pair<std::string, std::string>>& shellFolders = {});

// The re-release's saves in a prefix, for that Windows user.
[[nodiscard]] std::filesystem::path ReReleaseSavesFolder(const std::filesystem::path& prefix,
                                                         std::string_view user = "steamuser");

}  // namespace tarnwick::fixtures
