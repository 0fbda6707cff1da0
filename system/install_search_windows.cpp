// Finding the game on Windows: the re-release in Steam's libraries with its
// saves in the user's Saved Games, the EA app's folder, then the classic
// install's key with its saves, VirtualStore's copies first. Paths stay wide
// until they become UTF-8, so a user folder of any name is found.
#include <windows.h>
// After windows.h, whose macros they use.
#include <knownfolders.h>
#include <shlobj.h>

#include <algorithm>
#include <cwchar>
#include <optional>

#include "system/classic_key.h"
#include "system/folder_names.h"
#include "system/install_search.h"
#include "system/native_folder.h"
#include "system/steam_library.h"
#include "system/windows_text.h"

namespace tarnwick {

namespace fs = std::filesystem;

namespace {

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
    if (text.empty())
        return std::nullopt;
    return fs::path(text);
}

// The user's Saved Games folder, wherever the user moved it.
fs::path SavedGames()
{
    PWSTR path = nullptr;
    fs::path folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_SavedGames, 0, nullptr, &path)))
        folder = path;
    CoTaskMemFree(path);
    return folder;
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
        const wchar_t* value = _wgetenv(WideText(name, CP_UTF8).c_str());
        return value == nullptr ? std::string() : Utf8OfPath(fs::path(value));
    };
    places.Home = FromVariable(places, "USERPROFILE");
    return places;
}

InstallSearch FindInstalls(const SearchPlaces& places)
{
    InstallSearch search;
    InstallList list;
    const fs::path saves = SavedGames() / "Electronic Arts" / "The Sims 25";

    // The re-release on Steam, wherever Steam is.
    std::vector<fs::path> roots;
    if (const auto root = RegistryFolder(HKEY_CURRENT_USER, L"Software\\Valve\\Steam", L"SteamPath", 0))
        roots.push_back(*root);
    if (const auto root = RegistryFolder(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Valve\\Steam", L"InstallPath",
                                         RRF_SUBKEY_WOW6432KEY))
        roots.push_back(*root);
    if (const fs::path programs = FromVariable(places, "ProgramFiles(x86)"); !programs.empty())
        roots.push_back(programs / "Steam");
    std::vector<fs::path> libraries;
    for (const fs::path& root : roots)
        for (const fs::path& library : SteamLibraries(root, NativeSteamPath, search.Problems))
            if (std::find(libraries.begin(), libraries.end(), library) == libraries.end())
                libraries.push_back(library);
    for (const fs::path& library : libraries) {
        const auto folder = SteamAppFolder(library, kReReleaseAppId, search.Problems);
        if (folder && IsGameFolder(*folder))
            list.Add(MakeInstall(Edition::ReReleaseSteam, FoundIn::Native, {}, *folder, saves));
    }

    // The re-release from the EA app, in its default folder.
    if (const fs::path programs = FromVariable(places, "ProgramFiles"); !programs.empty()) {
        const fs::path folder = programs / "EA Games" / "The Sims Legacy";
        if (IsGameFolder(folder))
            list.Add(MakeInstall(Edition::ReReleaseEaApp, FoundIn::Native, {}, folder, saves));
    }

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
