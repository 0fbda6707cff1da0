// Finding the game on Linux, the Steam Deck and macOS: the re-release in
// Steam's libraries with its saves in the Proton prefix, then every Wine
// prefix the usual launchers keep.
#include <algorithm>
#include <cstdlib>
#include <system_error>

#include "system/ascii_case.h"
#include "system/folder_names.h"
#include "system/install_search.h"
#include "system/steam_library.h"
#include "system/wine_launchers.h"
#include "system/wine_prefix_installs.h"

namespace tarnwick {

namespace fs = std::filesystem;

SearchPlaces SearchPlaces::OfThisUser()
{
    SearchPlaces places;
    places.Variable = [](std::string_view name) {
        const char* value = std::getenv(std::string(name).c_str());
        return value == nullptr ? std::string() : std::string(value);
    };
    places.Home = places.Variable("HOME");
    return places;
}

namespace {

// Where Steam keeps its root, native, Flatpak and Snap, newest layout first.
constexpr std::string_view kSteamRoots[] = {
    ".local/share/Steam",
    ".steam/steam",
    ".steam/root",
    ".steam/debian-installation",
    ".var/app/com.valvesoftware.Steam/.local/share/Steam",
    ".var/app/com.valvesoftware.Steam/.steam/steam",
    ".var/app/com.valvesoftware.Steam/.steam/root",
    ".var/app/com.valvesoftware.Steam/data/Steam",
    "snap/steam/common/.local/share/Steam",
};

// Lutris keeps a file per game: in ~/.local/share since 0.5.15, in ~/.config
// before, and below ~/.var for its Flatpak.
constexpr std::string_view kLutrisGames[] = {
    ".local/share/lutris/games",
    ".config/lutris/games",
    ".var/app/net.lutris.Lutris/data/lutris/games",
    ".var/app/net.lutris.Lutris/config/lutris/games",
};

// Folders of bottles, each bottle a Wine prefix: CrossOver's on macOS and on
// Linux, and Whisky's on macOS.
struct BottleFolder {
    std::string_view Folder;
    FoundIn Where;
};
constexpr BottleFolder kBottleFolders[] = {
    {"Library/Application Support/CrossOver/Bottles", FoundIn::CrossOver},
    {".cxoffice", FoundIn::CrossOver},
    {"Library/Containers/com.isaacmarovitz.Whisky/Bottles", FoundIn::Whisky},
};

struct PrefixToSearch {
    fs::path Prefix;
    FoundIn Where;
    fs::path GameFolder;  // a Lutris game's own folder, when its file names one
};

class PrefixList {
public:
    void Add(const fs::path& prefix, FoundIn where, fs::path gameFolder = {})
    {
        if (!IsFolderPath(prefix) && gameFolder.empty())
            return;
        const fs::path same = SameFolder(prefix);
        const auto known = std::find_if(prefixes_.begin(), prefixes_.end(),
                                        [&](const PrefixToSearch& entry) { return entry.Prefix == same; });
        if (same.empty() || known == prefixes_.end())
            prefixes_.push_back({same, where, std::move(gameFolder)});
        else if (known->GameFolder.empty())
            known->GameFolder = std::move(gameFolder);
    }
    [[nodiscard]] const std::vector<PrefixToSearch>& Prefixes() const { return prefixes_; }

private:
    std::vector<PrefixToSearch> prefixes_;
};

std::vector<fs::path> SortedEntries(const fs::path& folder)
{
    std::vector<fs::path> entries;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error))
        entries.push_back(entry->path());
    std::sort(entries.begin(), entries.end());
    return entries;
}

// A path from a launcher's file: "~/" is the home folder, and a relative one is
// taken from `base`.
fs::path LauncherPath(const std::string& text, const fs::path& home, const fs::path& base)
{
    if (text.empty())
        return {};
    if (text == "~" || text.rfind("~/", 0) == 0)
        return home / text.substr(std::min<std::size_t>(text.size(), 2));
    const fs::path path(text);
    return path.is_absolute() || base.empty() ? path : base / path;
}

std::vector<fs::path> SteamLibrariesOf(const SearchPlaces& places, std::vector<std::string>& problems)
{
    std::vector<fs::path> roots;
    if (const std::string steamDir = places.Variable("STEAM_DIR"); !steamDir.empty())
        roots.emplace_back(steamDir);
    if (!places.Home.empty())
        for (const std::string_view root : kSteamRoots)
            roots.push_back(places.Home / root);
    std::vector<fs::path> libraries;
    for (const fs::path& root : roots)
        for (const fs::path& library : SteamLibraries(root, NativeSteamPath, problems))
            if (std::find(libraries.begin(), libraries.end(), library) == libraries.end())
                libraries.push_back(library);
    return libraries;
}

void AddLutrisPrefixes(const SearchPlaces& places, PrefixList& prefixes, std::vector<std::string>& problems)
{
    for (const std::string_view folder : kLutrisGames) {
        for (const fs::path& file : SortedEntries(places.Home / folder)) {
            if (!EqualIgnoringCase(Utf8OfPath(file.extension()), ".yml"))
                continue;
            const LutrisGame game = LoadLutrisGame(file);
            if (!game.Error.empty()) {
                problems.push_back(Utf8OfPath(file) + ": " + game.Error);
                continue;
            }
            const fs::path prefix = LauncherPath(game.Prefix, places.Home, {});
            const fs::path exe = LauncherPath(game.Exe, places.Home, prefix);
            fs::path gameFolder;
            if (EqualIgnoringCase(NameOf(exe), "Sims.exe"))
                gameFolder = exe.parent_path();
            prefixes.Add(prefix, FoundIn::Lutris, std::move(gameFolder));
        }
    }
}

void AddBottles(const SearchPlaces& places, PrefixList& prefixes, std::vector<std::string>& problems)
{
    const std::string dataHome = places.Variable("XDG_DATA_HOME");
    const fs::path bases[] = {
        dataHome.empty() ? places.Home / ".local/share/bottles" : fs::path(dataHome) / "bottles",
        places.Home / ".var/app/com.usebottles.bottles/data/bottles",
    };
    for (const fs::path& base : bases) {
        std::vector<fs::path> folders{base / "bottles"};
        if (IsFile(base / "data.yml")) {
            const BottlesData data = LoadBottlesData(base / "data.yml");
            if (!data.Error.empty())
                problems.push_back(Utf8OfPath(base / "data.yml") + ": " + data.Error);
            else if (!data.CustomBottlesPath.empty())
                folders.push_back(LauncherPath(data.CustomBottlesPath, places.Home, base));
        }
        for (const fs::path& folder : folders)
            for (const fs::path& bottle : SortedEntries(folder))
                prefixes.Add(bottle, FoundIn::Bottles);
    }
}

}  // namespace

InstallSearch FindInstalls(const SearchPlaces& places)
{
    InstallSearch search;
    InstallList list;
    std::vector<std::string>& problems = search.Problems;

    // The re-release in any Steam library, its saves in its Proton prefix,
    // which may be in another library.
    const std::vector<fs::path> libraries = SteamLibrariesOf(places, problems);
    fs::path protonPrefix;
    fs::path saves;
    for (const fs::path& prefix : ProtonPrefixes(libraries, kReReleaseAppId)) {
        saves = ReReleaseSavesIn(prefix);
        if (!saves.empty()) {
            protonPrefix = prefix;
            break;
        }
    }
    for (const fs::path& library : libraries) {
        const auto folder = SteamAppFolder(library, kReReleaseAppId, problems);
        if (folder && IsGameFolder(*folder))
            list.Add(MakeInstall(Edition::ReReleaseSteam,
                                 protonPrefix.empty() ? FoundIn::Native : FoundIn::ProtonPrefix, protonPrefix,
                                 *folder, saves));
    }

    // Wine prefixes: the user's own, then those of Lutris, Bottles, CrossOver,
    // Whisky and Steam's other Proton prefixes (a CD install added to Steam).
    PrefixList prefixes;
    if (const std::string prefix = places.Variable("WINEPREFIX"); !prefix.empty())
        prefixes.Add(prefix, FoundIn::WinePrefix);
    if (!places.Home.empty()) {
        prefixes.Add(places.Home / ".wine", FoundIn::WinePrefix);
        AddLutrisPrefixes(places, prefixes, problems);
        AddBottles(places, prefixes, problems);
        for (const auto& [folder, where] : kBottleFolders)
            for (const fs::path& bottle : SortedEntries(places.Home / folder))
                prefixes.Add(bottle, where);
    }
    for (const fs::path& prefix : AllProtonPrefixes(libraries))
        prefixes.Add(prefix, FoundIn::ProtonPrefix);

    for (const PrefixToSearch& entry : prefixes.Prefixes()) {
        if (!entry.GameFolder.empty() && IsGameFolder(entry.GameFolder)) {
            // The re-release's Sims.exe has the EA app's eadpsdk.json beside it.
            if (FindEntry(entry.GameFolder, "eadpsdk.json"))
                list.Add(MakeInstall(Edition::ReReleaseEaApp, entry.Where, entry.Prefix, entry.GameFolder,
                                     ReReleaseSavesIn(entry.Prefix)));
            else
                list.Add(MakeInstall(Edition::Classic, entry.Where, entry.Prefix, entry.GameFolder,
                                     entry.GameFolder));
        }
        AddPrefixInstalls(entry.Prefix, entry.Where, list, problems);
    }
    search.Installs = list.Take();
    return search;
}

}  // namespace tarnwick
