// Finding the game on Windows: the re-release in Steam's libraries and in
// Steam's uninstall key, with its saves in the user's Saved Games (else
// Documents), the EA app's folder and keys, then the classic install's key
// with its saves, VirtualStore's copies first. Paths stay wide
// until they become UTF-8, so a user folder of any name is found.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>
// After windows.h, whose macros they use.
#include <knownfolders.h>
#include <shlobj.h>

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "system/classic_key.h"
#include "system/folder_names.h"
#include "system/install_search.h"
#include "system/native_folder.h"
#include "system/steam_library.h"

namespace tarnwick {

namespace fs = std::filesystem;

namespace {

std::wstring Wide(std::string_view utf8) { return PathFromUtf8(utf8).wstring(); }

// A text value of the registry, wide, or nothing.
std::optional<fs::path> RegistryFolder(HKEY root, const wchar_t* key, const wchar_t* name, DWORD view)
{
    DWORD size = 0;
    const DWORD flags = RRF_RT_REG_SZ | view;
    if (RegGetValueW(root, key, name, flags, nullptr, nullptr, &size) != ERROR_SUCCESS ||
        size < sizeof(wchar_t))
        return std::nullopt;
    std::wstring text(size / sizeof(wchar_t), L'\0');
    if (RegGetValueW(root, key, name, flags, nullptr, text.data(), &size) != ERROR_SUCCESS)
        return std::nullopt;
    text.resize(std::wcslen(text.c_str()));
    // A trailing separator, as installers write "C:\Games\Sims\", names the folder itself.
    while (text.size() > 3 && (text.back() == L'\\' || text.back() == L'/'))
        text.pop_back();
    if (text.empty())
        return std::nullopt;
    return fs::path(text);
}

// A known folder of the user, wherever the user moved it.
fs::path KnownFolder(REFKNOWNFOLDERID id)
{
    PWSTR path = nullptr;
    fs::path folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path)))
        folder = path;
    CoTaskMemFree(path);
    return folder;
}

// The registry's two views: the 32-bit programs' (Wow6432Node), where Steam and
// 32-bit installers write, then a 64-bit program's own.
constexpr DWORD kValueViews[] = {RRF_SUBKEY_WOW6432KEY, RRF_SUBKEY_WOW6464KEY};
constexpr REGSAM kKeyViews[] = {KEY_WOW64_32KEY, KEY_WOW64_64KEY};

// The game folders that the EA app's keys name: HKLM\SOFTWARE\EA Games\<game>'s
// "Install Dir", for every game, in both views.
std::vector<fs::path> EaAppFolders()
{
    std::vector<fs::path> folders;
    for (const REGSAM view : kKeyViews) {
        HKEY games = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\EA Games", 0, KEY_READ | view, &games) !=
            ERROR_SUCCESS)
            continue;
        std::vector<std::wstring> names;
        wchar_t name[256];
        for (DWORD index = 0;; ++index) {
            DWORD length = static_cast<DWORD>(std::size(name));
            const LONG result =
                RegEnumKeyExW(games, index, name, &length, nullptr, nullptr, nullptr, nullptr);
            if (result == ERROR_NO_MORE_ITEMS)
                break;
            if (result == ERROR_SUCCESS)
                names.emplace_back(name, length);
        }
        for (const std::wstring& game : names)
            if (const auto folder = RegistryFolder(games, game.c_str(), L"Install Dir", 0))
                folders.push_back(*folder);
        RegCloseKey(games);
    }
    return folders;
}

fs::path FromVariable(const SearchPlaces& places, std::string_view name)
{
    const std::string value = places.Variable(name);
    return value.empty() ? fs::path() : PathFromUtf8(value);
}

// A classic install under Program Files run without administrator rights
// writes its saves to VirtualStore: a neighbourhood found there stands for the
// install's own.
void UseVirtualStore(GameInstall& install, const SearchPlaces& places)
{
    const fs::path localAppData = FromVariable(places, "LOCALAPPDATA");
    if (localAppData.empty())
        return;
    const fs::path shadow = localAppData / "VirtualStore" / install.GameFolder.relative_path();
    for (Neighbourhood& stored : FindNeighbourhoods(shadow)) {
        bool replaced = false;
        for (Neighbourhood& own : install.Neighbourhoods)
            if (own.Name == stored.Name) {
                own.Folder = stored.Folder;
                replaced = true;
            }
        if (!replaced)
            install.Neighbourhoods.push_back(std::move(stored));
    }
    if (install.SavesRoot.empty() && !install.Neighbourhoods.empty())
        install.SavesRoot = shadow;
}

}  // namespace

SearchPlaces SearchPlaces::OfThisUser()
{
    SearchPlaces places;
    places.Variable = [](std::string_view name) {
        const wchar_t* value = _wgetenv(Wide(name).c_str());
        return value == nullptr ? std::string() : Utf8OfPath(fs::path(value));
    };
    places.Home = FromVariable(places, "USERPROFILE");
    return places;
}

InstallSearch FindInstalls(const SearchPlaces& places)
{
    InstallSearch search;
    InstallList list;
    const fs::path saves = FirstSavesRoot({ReReleaseSavesBelow(KnownFolder(FOLDERID_SavedGames)),
                                           ReReleaseSavesBelow(KnownFolder(FOLDERID_Documents))});

    // The re-release on Steam, wherever Steam is.
    std::vector<fs::path> roots;
    if (const auto root = RegistryFolder(HKEY_CURRENT_USER, L"Software\\Valve\\Steam", L"SteamPath", 0))
        roots.push_back(*root);
    for (const DWORD view : kValueViews)
        if (const auto root =
                RegistryFolder(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Valve\\Steam", L"InstallPath", view))
            roots.push_back(*root);
    if (const fs::path programs = FromVariable(places, "ProgramFiles(x86)"); !programs.empty())
        roots.push_back(programs / "Steam");
    std::vector<fs::path> libraries;
    for (const fs::path& root : roots)
        for (const fs::path& library : SteamLibraries(root, NativeSteamPath, search.Problems))
            if (std::find(libraries.begin(), libraries.end(), library) == libraries.end())
                libraries.push_back(library);
    std::vector<fs::path> steamFolders;
    for (const fs::path& library : libraries)
        if (const auto folder = SteamAppFolder(library, kReReleaseAppId, search.Problems))
            steamFolders.push_back(*folder);
    // Steam's uninstall entry names the game's folder too, whatever became of
    // the library list.
    const std::wstring uninstall =
        L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Steam App " + Wide(kReReleaseAppId);
    for (const DWORD view : kValueViews)
        if (const auto folder =
                RegistryFolder(HKEY_LOCAL_MACHINE, uninstall.c_str(), L"InstallLocation", view))
            steamFolders.push_back(*folder);
    for (const fs::path& folder : steamFolders)
        if (IsGameFolder(folder))
            list.Add(MakeInstall(Edition::ReReleaseSteam, FoundIn::Native, {}, folder, saves));

    // The re-release from the EA app: its default folder, then whatever
    // folder the EA app's keys name that holds the game.
    std::vector<fs::path> eaFolders;
    if (const fs::path programs = FromVariable(places, "ProgramFiles"); !programs.empty())
        eaFolders.push_back(programs / "EA Games" / "The Sims Legacy");
    for (fs::path& folder : EaAppFolders())
        eaFolders.push_back(std::move(folder));
    for (const fs::path& folder : eaFolders)
        if (IsGameFolder(folder))
            list.Add(MakeInstall(Edition::ReReleaseEaApp, FoundIn::Native, {}, folder, saves));

    // The classic install: its key, then the folders it installs to by default.
    std::vector<fs::path> classic;
    const auto registry = MakeSystemRegistry();
    for (const std::string& candidate : ClassicFolderCandidates(*registry))
        if (const auto folder = NativeFolder(candidate))
            classic.push_back(*folder);
    for (const char* variable : {"ProgramFiles(x86)", "ProgramFiles"})
        if (const fs::path programs = FromVariable(places, variable); !programs.empty())
            classic.push_back(programs / "Maxis" / "The Sims");
    for (const fs::path& folder : classic) {
        if (!IsGameFolder(folder))
            continue;
        GameInstall install = MakeInstall(Edition::Classic, FoundIn::Native, {}, folder, folder);
        UseVirtualStore(install, places);
        list.Add(std::move(install));
    }
    search.Installs = list.Take();
    return search;
}

}  // namespace tarnwick
