#include "system/game_install.h"

#include <algorithm>
#include <charconv>
#include <system_error>

#include "system/ascii_case.h"
#include "system/folder_names.h"

namespace tarnwick {

namespace fs = std::filesystem;

std::string_view EditionName(Edition edition)
{
    switch (edition) {
    case Edition::Classic:
        return "The Sims (classic install)";
    case Edition::ReReleaseSteam:
        return "The Sims Legacy Collection on Steam";
    case Edition::ReReleaseEaApp:
        return "The Sims Legacy Collection in the EA app";
    }
    return "The Sims";
}

std::string_view FoundInName(FoundIn where)
{
    switch (where) {
    case FoundIn::Native:
        return "installed on this system";
    case FoundIn::WinePrefix:
        return "in a Wine prefix";
    case FoundIn::ProtonPrefix:
        return "in a Proton prefix";
    case FoundIn::Lutris:
        return "in a Lutris prefix";
    case FoundIn::Bottles:
        return "in a Bottles bottle";
    case FoundIn::CrossOver:
        return "in a CrossOver bottle";
    case FoundIn::Whisky:
        return "in a Whisky bottle";
    }
    return "";
}

bool IsGameFolder(const fs::path& folder)
{
    const auto behaviour = FindEntry(folder, {"GameData", "Behavior.iff"});
    return behaviour && IsFile(*behaviour);
}

namespace {

constexpr std::string_view kUserData = "UserData";

// Where a neighbourhood's name sorts: UserData is 1, UserDataN is N, others after all numbers.
std::uint64_t NeighbourhoodNumber(std::string_view name)
{
    const std::string_view rest = name.substr(kUserData.size());
    if (rest.empty())
        return 1;
    std::uint64_t number = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), number);
    return error == std::errc() && end == rest.data() + rest.size() ? number : UINT64_MAX;
}

}  // namespace

std::vector<Neighbourhood> FindNeighbourhoods(const fs::path& savesRoot)
{
    std::vector<Neighbourhood> found;
    std::error_code error;
    for (fs::directory_iterator entry(savesRoot, error), end; !error && entry != end;
         entry.increment(error)) {
        std::string name = NameOf(entry->path());
        if (!StartsWithIgnoringCase(name, kUserData) || !IsFolderPath(entry->path()))
            continue;
        const auto marker = FindEntry(entry->path(), "Neighborhood.iff");
        if (marker && IsFile(*marker))
            found.push_back({std::move(name), entry->path()});
    }
    std::sort(found.begin(), found.end(), [](const Neighbourhood& a, const Neighbourhood& b) {
        const auto numberA = NeighbourhoodNumber(a.Name);
        const auto numberB = NeighbourhoodNumber(b.Name);
        return numberA != numberB ? numberA < numberB : a.Name < b.Name;
    });
    return found;
}

fs::path ReReleaseSavesBelow(const fs::path& shellFolder)
{
    // Names in any case, as a prefix copied from Windows may have them.
    if (auto found = FindEntry(shellFolder, {"Electronic Arts", "The Sims 25"}))
        return *std::move(found);
    return shellFolder / "Electronic Arts" / "The Sims 25";
}

fs::path FirstSavesRoot(const std::vector<fs::path>& roots)
{
    const auto found = std::find_if(roots.begin(), roots.end(),
                                    [](const fs::path& root) { return !FindNeighbourhoods(root).empty(); });
    return found == roots.end() ? fs::path() : *found;
}

fs::path CharactersFolder(const Neighbourhood& neighbourhood)
{
    const auto characters = FindEntry(neighbourhood.Folder, "Characters");
    return characters && IsFolderPath(*characters) ? *characters : neighbourhood.Folder;
}

GameInstall MakeInstall(Edition release, FoundIn where, fs::path prefix, fs::path gameFolder,
                        const fs::path& savesRoot)
{
    GameInstall install;
    install.Release = release;
    install.Where = where;
    install.Prefix = std::move(prefix);
    const auto folder = [&](std::initializer_list<std::string_view> names) {
        const auto found = FindEntry(gameFolder, names);
        return found && IsFolderPath(*found) ? *found : fs::path();
    };
    install.Downloads = folder({"Downloads"});
    install.Walls = folder({"GameData", "Walls"});
    install.Floors = folder({"GameData", "Floors"});
    install.GameFolder = std::move(gameFolder);
    if (!savesRoot.empty()) {
        install.Neighbourhoods = FindNeighbourhoods(savesRoot);
        if (!install.Neighbourhoods.empty())
            install.SavesRoot = savesRoot;
    }
    return install;
}

bool InstallList::Add(GameInstall install)
{
    std::error_code error;
    fs::path same = fs::weakly_canonical(install.GameFolder, error);
    if (error)
        same = install.GameFolder;
    if (std::find(seen_.begin(), seen_.end(), same) != seen_.end())
        return false;
    seen_.push_back(std::move(same));
    installs_.push_back(std::move(install));
    return true;
}

std::string DescribeInstalls(const std::vector<GameInstall>& installs)
{
    if (installs.empty())
        return "No installation of The Sims was found.\n";
    std::string text;
    const auto line = [&](std::string_view label, const fs::path& path) {
        text.append("  ").append(label).append(": ").append(Utf8OfPath(path)).append("\n");
    };
    for (const GameInstall& install : installs) {
        if (!text.empty())
            text += '\n';
        text.append(EditionName(install.Release))
            .append(", ")
            .append(FoundInName(install.Where))
            .append("\n");
        if (!install.Prefix.empty())
            line("prefix", install.Prefix);
        line("game folder", install.GameFolder);
        if (!install.Downloads.empty())
            line("downloads", install.Downloads);
        if (!install.Walls.empty())
            line("walls", install.Walls);
        if (!install.Floors.empty())
            line("floors", install.Floors);
        if (install.SavesRoot.empty())
            text += "  saves: none found\n";
        else
            line("saves", install.SavesRoot);
        for (const Neighbourhood& neighbourhood : install.Neighbourhoods)
            line("neighbourhood " + neighbourhood.Name, neighbourhood.Folder);
    }
    return text;
}

}  // namespace tarnwick
