#include "system/wine_prefix_installs.h"

#include <algorithm>
#include <cctype>

#include "system/classic_key.h"
#include "system/folder_names.h"
#include "system/steam_library.h"
#include "system/wine_paths.h"
#include "system/wine_prefix.h"
#include "system/wine_shell_folders.h"

namespace tarnwick {

namespace fs = std::filesystem;

std::optional<fs::path> MapUtf8WindowsPath(std::string_view windowsPath, const fs::path& prefix)
{
    if (windowsPath.size() < 2 || windowsPath[1] != ':' ||
        !std::isalpha(static_cast<unsigned char>(windowsPath[0])))
        return std::nullopt;
    const std::string drive{static_cast<char>(std::tolower(static_cast<unsigned char>(windowsPath[0]))), ':'};
    std::error_code error;
    fs::path folder = fs::canonical(prefix / "dosdevices" / drive, error);
    if (error)
        return std::nullopt;
    std::string_view rest = windowsPath.substr(2);
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find_first_of("\\/"), rest.size());
        const std::string_view name = rest.substr(0, end);
        rest = end == rest.size() ? std::string_view() : rest.substr(end + 1);
        if (name.empty() || name == ".")
            continue;
        if (name == "..")
            return std::nullopt;  // Steam writes none; refusing them keeps the walk inside the drive
        const auto next = FindEntry(folder, name);
        if (!next)
            return std::nullopt;
        folder = *next;
    }
    return IsFolderPath(folder) ? std::optional(folder) : std::nullopt;
}

fs::path ReReleaseSavesIn(const fs::path& prefix)
{
    std::vector<fs::path> roots;
    for (const ShellFolderName& folder : {kSavedGamesFolder, kDocumentsFolder})
        for (const fs::path& shellFolder : ShellFolders(prefix, folder))
            roots.push_back(ReReleaseSavesBelow(shellFolder));
    return FirstSavesRoot(roots);
}

void AddPrefixInstalls(const fs::path& prefix, FoundIn where, InstallList& list,
                       std::vector<std::string>& problems)
{
    // A classic install through its key, in the 64-bit view too.
    const auto registry = MakeWineRegistry(prefix);
    for (const std::string& candidate : ClassicFolderCandidates(*registry)) {
        const auto folder = MapWindowsPath(candidate, prefix);
        if (folder && IsGameFolder(*folder)) {
            list.Add(MakeInstall(Edition::Classic, where, prefix, *folder, *folder));
            break;
        }
    }
    // The re-release from the EA app, where it installs unless told otherwise.
    const fs::path saves = ReReleaseSavesIn(prefix);
    if (const auto folder = FindEntry(prefix, {"drive_c", "Program Files", "EA Games", "The Sims Legacy"});
        folder && IsGameFolder(*folder))
        list.Add(MakeInstall(Edition::ReReleaseEaApp, where, prefix, *folder, saves));
    // The re-release from a Windows Steam run in the prefix.
    const auto steam = FindEntry(prefix, {"drive_c", "Program Files (x86)", "Steam"});
    if (!steam)
        return;
    const auto map = [&prefix](std::string_view path) { return MapUtf8WindowsPath(path, prefix); };
    for (const fs::path& library : SteamLibraries(*steam, map, problems)) {
        const auto folder = SteamAppFolder(library, kReReleaseAppId, problems);
        if (folder && IsGameFolder(*folder))
            list.Add(MakeInstall(Edition::ReReleaseSteam, where, prefix, *folder, saves));
    }
}

}  // namespace tarnwick
