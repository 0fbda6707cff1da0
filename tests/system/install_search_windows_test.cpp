// The install search of Windows over fake trees: Program Files, the EA app's
// folder, Steam, VirtualStore and the classic key in the registry's 32-bit view.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>
// After windows.h, whose macros they use.
#include <knownfolders.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <utility>

#include "synth/install_tree_builder.h"
#include "synth/temp_dir.h"
#include "system/folder_names.h"
#include "system/install_search.h"
#include "tests/support/case_name.h"

namespace tarnwick {
namespace {

namespace fs = std::filesystem;
using namespace fixtures;
using Variables = std::map<std::string, std::string, std::less<>>;

const fs::path kLegacy = "steamapps/common/The Sims Legacy Collection";

// A key written for one test with its values, each a path below the test's
// home; afterwards the keys it made are deleted, down to the first that was
// there before. A key that was there already is a real install's: the test
// is skipped.
struct ScratchKeyValues {
    HKEY root;
    std::wstring path;
    REGSAM view;  // KEY_WOW64_32KEY for the 32-bit programs' view
    std::vector<std::pair<std::wstring, std::wstring>> values;
};

class ScratchKey {
public:
    explicit ScratchKey(const ScratchKeyValues& key) : root_(key.root), view_(key.view)
    {
        for (std::size_t end = 0; end != std::wstring::npos && status_ == ERROR_SUCCESS;) {
            end = key.path.find(L'\\', end + 1);
            const std::wstring path = key.path.substr(0, end);
            DWORD made = 0;
            HKEY opened = nullptr;
            status_ = RegCreateKeyExW(root_, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view_, nullptr,
                                      &opened, &made);
            if (status_ != ERROR_SUCCESS)
                break;
            if (made == REG_CREATED_NEW_KEY)
                made_.push_back(path);
            if (end == std::wstring::npos)
                key_ = opened;
            else
                RegCloseKey(opened);
        }
        if (status_ == ERROR_SUCCESS && (made_.empty() || made_.back() != key.path))
            status_ = ERROR_ALREADY_EXISTS;
    }
    ~ScratchKey()
    {
        if (key_ != nullptr)
            RegCloseKey(key_);
        for (auto path = made_.rbegin(); path != made_.rend(); ++path)
            RegDeleteKeyExW(root_, path->c_str(), view_, 0);
    }
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;

    [[nodiscard]] LONG Status() const { return status_; }
    void Set(const std::wstring& name, const std::wstring& text) const
    {
        const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
        ASSERT_EQ(
            RegSetValueExW(key_, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes),
            ERROR_SUCCESS);
    }

private:
    HKEY root_;
    REGSAM view_;
    HKEY key_ = nullptr;
    LONG status_ = ERROR_SUCCESS;
    std::vector<std::wstring> made_;
};

// The classic install's key, in the 32-bit view the game writes.
ScratchKeyValues ClassicKey(std::vector<std::pair<std::wstring, std::wstring>> values)
{
    return {HKEY_LOCAL_MACHINE, L"Software\\Maxis\\The Sims", KEY_WOW64_32KEY, std::move(values)};
}

// A known folder of the user.
fs::path KnownFolder(REFKNOWNFOLDERID id)
{
    PWSTR path = nullptr;
    fs::path folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path)))
        folder = path;
    CoTaskMemFree(path);
    return folder;
}

// The re-release's saves below one of the user's known folders for one test,
// unless the game has saves there already; removed afterwards.
class ReReleaseSaves {
public:
    ReReleaseSaves(REFKNOWNFOLDERID id, const std::vector<std::string>& neighbourhoods)
        : publisher_(KnownFolder(id) / "Electronic Arts"), folder_(publisher_ / "The Sims 25")
    {
        std::error_code error;
        if (publisher_.parent_path().empty() || fs::exists(folder_, error))
            return;
        madePublisher_ = !fs::exists(publisher_, error);
        WriteNeighbourhoods(folder_, neighbourhoods);
        made_ = true;
    }
    ~ReReleaseSaves()
    {
        std::error_code ignored;
        if (made_)
            fs::remove_all(madePublisher_ ? publisher_ : folder_, ignored);
    }
    ReReleaseSaves(const ReReleaseSaves&) = delete;
    ReReleaseSaves& operator=(const ReReleaseSaves&) = delete;

    [[nodiscard]] bool Made() const { return made_; }

private:
    fs::path publisher_;
    fs::path folder_;
    bool madePublisher_ = false;
    bool made_ = false;
};

struct HomeCase {
    const char* name;
    std::function<void(const fs::path& home, Variables& variables)> build;
    // Keys written for the test, their values paths below the home.
    std::vector<ScratchKeyValues> keys;
    // Per install: "edition|game folder|saves|neighbourhoods", paths below the
    // home, "<Saved Games>" and "<Documents>" for the user's known folders. A
    // neighbourhood found elsewhere than the saves root is marked "*".
    std::vector<std::string> installs;
    // The re-release's neighbourhoods in the user's Saved Games and Documents;
    // none writes none.
    std::vector<std::string> savedGames = {};
    std::vector<std::string> documents = {};
    friend void PrintTo(const HomeCase& row, std::ostream* out) { *out << row.name; }
};

std::string Shown(const fs::path& home, const fs::path& path)
{
    if (path.empty())
        return "-";
    const fs::path below = path.lexically_relative(home);
    if (!below.empty() && *below.begin() != "..")
        return Utf8OfPath(below.generic_wstring());
    for (const auto& [id, name] : {std::pair{&FOLDERID_SavedGames, "<Saved Games>/"},
                                   std::pair{&FOLDERID_Documents, "<Documents>/"}}) {
        const fs::path known = KnownFolder(*id);
        const fs::path belowKnown = path.lexically_relative(known);
        if (!known.empty() && !belowKnown.empty() && *belowKnown.begin() != "..")
            return name + Utf8OfPath(belowKnown.generic_wstring());
    }
    return Utf8OfPath(path);
}

std::string Summary(const fs::path& home, const GameInstall& install)
{
    std::string neighbourhoods;
    for (const Neighbourhood& neighbourhood : install.Neighbourhoods) {
        neighbourhoods += (neighbourhoods.empty() ? "" : ",") + neighbourhood.Name;
        if (neighbourhood.Folder.parent_path() != install.SavesRoot)
            neighbourhoods += "*";
    }
    const char* editions[] = {"classic", "steam", "ea"};
    return std::string(editions[static_cast<int>(install.Release)]) + "|" + Shown(home, install.GameFolder) +
           "|" + Shown(home, install.SavesRoot) + "|" + neighbourhoods;
}

class WindowsInstallSearchTest : public testing::TestWithParam<HomeCase> {};

TEST_P(WindowsInstallSearchTest, FindsWhatTheTreeHolds)
{
    const HomeCase& row = GetParam();
    const TempDir dir;
    const fs::path home = fs::canonical(dir.Path());
    Variables variables;
    row.build(home, variables);
    // Deleted last made first, so that a key made for two is empty when it goes.
    struct Keys {
        std::vector<std::unique_ptr<ScratchKey>> made;
        ~Keys()
        {
            while (!made.empty())
                made.pop_back();
        }
    } keys;
    for (const ScratchKeyValues& values : row.keys) {
        const auto& key = keys.made.emplace_back(std::make_unique<ScratchKey>(values));
        if (key->Status() == ERROR_ACCESS_DENIED || key->Status() == ERROR_ALREADY_EXISTS)
            GTEST_SKIP() << "a key cannot be written here, or is a real install's";
        ASSERT_EQ(key->Status(), ERROR_SUCCESS);
        for (const auto& [name, below] : values.values) {
            // Steam writes its own path with forward slashes.
            const fs::path path = home / below;
            key->Set(name, name == L"SteamPath" ? path.generic_wstring() : path.wstring());
        }
    }
    std::vector<std::unique_ptr<ReReleaseSaves>> saves;
    for (const auto& [id, neighbourhoods] :
         {std::pair{&FOLDERID_SavedGames, row.savedGames}, std::pair{&FOLDERID_Documents, row.documents}}) {
        if (neighbourhoods.empty())
            continue;
        saves.push_back(std::make_unique<ReReleaseSaves>(*id, neighbourhoods));
        if (!saves.back()->Made())
            GTEST_SKIP() << "the re-release has saves in this user's known folders";
    }

    SearchPlaces places{home, [&](std::string_view name) {
                            const auto found = variables.find(name);
                            return found == variables.end() ? std::string() : found->second;
                        }};
    const InstallSearch search = FindInstalls(places);
    std::vector<std::string> found;
    for (const GameInstall& install : search.Installs)
        if (Shown(home, install.GameFolder).find(':') == std::string::npos)  // not this machine's own
            found.push_back(Summary(home, install));
    EXPECT_EQ(found, row.installs);
    EXPECT_EQ(search.Problems, std::vector<std::string>());
}

// Program Files and Program Files (x86) in the home.
void ProgramFolders(const fs::path& home, Variables& variables)
{
    variables["ProgramFiles"] = Utf8OfPath(home / "Program Files");
    variables["ProgramFiles(x86)"] = Utf8OfPath(home / "Program Files (x86)");
}

void ClassicIn(const fs::path& folder,
               const std::vector<std::string>& neighbourhoods = {"UserData", "UserData2"})
{
    WriteGameFolder(folder);
    WriteNeighbourhoods(folder, neighbourhoods);
}

const std::wstring kUninstallKey =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Steam App 3314060";

// A Steam root below the home with the re-release in its own library.
void SteamWithGame(const fs::path& steam)
{
    WriteLibraryList(steam, {Utf8OfPath(steam)});
    WriteAppManifest(steam, "3314060", "The Sims Legacy Collection");
    WriteGameFolder(steam / kLegacy);
}

// Where Windows keeps a folder's copy for a program that may not write there.
fs::path VirtualStoreOf(const fs::path& home, const fs::path& folder)
{
    return home / "Local" / "VirtualStore" / folder.relative_path();
}

INSTANTIATE_TEST_SUITE_P(
    Trees, WindowsInstallSearchTest,
    testing::Values(
        HomeCase{"nothing", ProgramFolders, {}, {}},
        HomeCase{"the classic game in Program Files (x86)",
                 [](const fs::path& home, Variables& variables) {
                     ProgramFolders(home, variables);
                     ClassicIn(home / "Program Files (x86)/Maxis/The Sims");
                 },
                 {},
                 {"classic|Program Files (x86)/Maxis/The Sims|Program Files (x86)/Maxis/The "
                  "Sims|UserData,UserData2"}},
        HomeCase{"the classic game in Program Files",
                 [](const fs::path& home, Variables& variables) {
                     ProgramFolders(home, variables);
                     ClassicIn(home / "Program Files/Maxis/The Sims", {"UserData"});
                 },
                 {},
                 {"classic|Program Files/Maxis/The Sims|Program Files/Maxis/The Sims|UserData"}},
        HomeCase{"a folder that only looks like the game",
                 [](const fs::path& home, Variables& variables) {
                     ProgramFolders(home, variables);
                     WriteLookAlikeGameFolder(home / "Program Files (x86)/Maxis/The Sims");
                 },
                 {},
                 {}},
        HomeCase{"VirtualStore's saves stand for the install's",
                 [](const fs::path& home, Variables& variables) {
                     ProgramFolders(home, variables);
                     variables["LOCALAPPDATA"] = Utf8OfPath(home / "Local");
                     const fs::path game = home / "Program Files (x86)/Maxis/The Sims";
                     ClassicIn(game, {"UserData", "UserData2"});
                     WriteNeighbourhoods(VirtualStoreOf(home, game), {"UserData2", "UserData5"});
                 },
                 {},
                 {"classic|Program Files (x86)/Maxis/The Sims|Program Files (x86)/Maxis/The Sims|UserData,"
                  "UserData2*,UserData5*"}},
        HomeCase{"the EA app's re-release saves in Saved Games",
                 [](const fs::path& home, Variables& variables) {
                     ProgramFolders(home, variables);
                     WriteGameFolder(home / "Program Files/EA Games/The Sims Legacy");
                 },
                 {},
                 {"ea|Program Files/EA Games/The Sims Legacy|<Saved Games>/Electronic Arts/The Sims "
                  "25|UserData,UserData4"},
                 {"UserData", "UserData4"}},
        HomeCase{"the EA app's re-release not yet started",
                 [](const fs::path& home, Variables& variables) {
                     ProgramFolders(home, variables);
                     WriteGameFolder(home / "Program Files/EA Games/The Sims Legacy");
                 },
                 {},
                 {"ea|Program Files/EA Games/The Sims Legacy|-|"}},
        HomeCase{"Steam's re-release in a second library named beyond ASCII",
                 [](const fs::path& home, Variables& variables) {
                     ProgramFolders(home, variables);
                     const fs::path steam = home / "Program Files (x86)/Steam";
                     const fs::path library = home / L"Biblioth\u00e8que Steam";
                     WriteLibraryList(steam, {Utf8OfPath(steam), Utf8OfPath(library)});
                     WriteAppManifest(library, "3314060", "The Sims Legacy Collection");
                     WriteGameFolder(library / kLegacy);
                 },
                 {},
                 {"steam|Biblioth\xC3\xA8que Steam/steamapps/common/The Sims Legacy Collection|<Saved "
                  "Games>/Electronic Arts/The Sims 25|UserData"},
                 {"UserData"}},
        HomeCase{"the classic key's game data folder",
                 [](const fs::path& home, Variables&) { ClassicIn(home / "Games/Sims", {"UserData"}); },
                 {ClassicKey({{L"SIMS_DATA", L"Games\\Sims"}})},
                 {"classic|Games/Sims|Games/Sims|UserData"}},
        HomeCase{"the classic key's install folder with the game one below",
                 [](const fs::path& home, Variables&) { ClassicIn(home / "Repack/The Sims", {"UserData"}); },
                 {ClassicKey({{L"InstallPath", L"Repack"}})},
                 {"classic|Repack/The Sims|Repack/The Sims|UserData"}},
        HomeCase{"the classic key naming a folder beyond ASCII",
                 [](const fs::path& home, Variables&) {
                     ClassicIn(home / L"Jeux/Les Sims \u00e9t\u00e9", {"UserData"});
                 },
                 {ClassicKey({{L"InstallPath", L"Jeux\\Les Sims \u00e9t\u00e9"}})},
                 {"classic|Jeux/Les Sims \xC3\xA9t\xC3\xA9|Jeux/Les Sims \xC3\xA9t\xC3\xA9|UserData"}},
        HomeCase{"the classic key naming a folder that is gone",
                 [](const fs::path&, Variables&) {},
                 {ClassicKey({{L"InstallPath", L"Gone"}})},
                 {}},
        HomeCase{"Steam named by the user's key",
                 [](const fs::path& home, Variables&) { SteamWithGame(home / "Games/Steam"); },
                 {{HKEY_CURRENT_USER, L"Software\\Valve\\Steam", 0, {{L"SteamPath", L"Games/Steam"}}}},
                 {"steam|Games/Steam/steamapps/common/The Sims Legacy Collection|-|"}},
        HomeCase{
            "Steam named by the machine's key in the 32-bit view",
            [](const fs::path& home, Variables&) { SteamWithGame(home / "Valve"); },
            {{HKEY_LOCAL_MACHINE, L"SOFTWARE\\Valve\\Steam", KEY_WOW64_32KEY, {{L"InstallPath", L"Valve"}}}},
            {"steam|Valve/steamapps/common/The Sims Legacy Collection|-|"}},
        HomeCase{"Steam's uninstall key in the 32-bit view, its library list gone",
                 [](const fs::path& home, Variables&) {
                     WriteGameFolder(home / "Lib/The Sims Legacy Collection");
                 },
                 {{HKEY_LOCAL_MACHINE,
                   kUninstallKey,
                   KEY_WOW64_32KEY,
                   {{L"InstallLocation", L"Lib\\The Sims Legacy Collection"}}}},
                 {"steam|Lib/The Sims Legacy Collection|<Saved Games>/Electronic Arts/The Sims 25|UserData"},
                 {"UserData"}},
        HomeCase{
            "Steam's uninstall key in the 64-bit view",
            [](const fs::path& home, Variables&) { WriteGameFolder(home / "Lib64/Legacy"); },
            {{HKEY_LOCAL_MACHINE, kUninstallKey, KEY_WOW64_64KEY, {{L"InstallLocation", L"Lib64\\Legacy"}}}},
            {"steam|Lib64/Legacy|-|"}},
        HomeCase{"Steam's uninstall key naming a look-alike",
                 [](const fs::path& home, Variables&) { WriteLookAlikeGameFolder(home / "Lib/Copy"); },
                 {{HKEY_LOCAL_MACHINE, kUninstallKey, KEY_WOW64_32KEY, {{L"InstallLocation", L"Lib\\Copy"}}}},
                 {}},
        HomeCase{"Steam's library and uninstall key naming one folder give one install",
                 [](const fs::path& home, Variables& variables) {
                     ProgramFolders(home, variables);
                     SteamWithGame(home / "Program Files (x86)/Steam");
                 },
                 {{HKEY_LOCAL_MACHINE,
                   kUninstallKey,
                   KEY_WOW64_32KEY,
                   {{L"InstallLocation",
                     L"Program Files (x86)\\Steam\\steamapps\\common\\The Sims Legacy Collection"}}}},
                 {"steam|Program Files (x86)/Steam/steamapps/common/The Sims Legacy Collection|-|"}},
        HomeCase{"the EA app's keys: the game's folder, another game's refused",
                 [](const fs::path& home, Variables&) {
                     WriteGameFolder(home / "EA/The Sims Legacy");
                     WriteLookAlikeGameFolder(home / "EA/Other Game");
                 },
                 {{HKEY_LOCAL_MACHINE,
                   L"SOFTWARE\\EA Games\\The Sims Legacy",
                   KEY_WOW64_32KEY,
                   {{L"Install Dir", L"EA\\The Sims Legacy\\"}}},
                  {HKEY_LOCAL_MACHINE,
                   L"SOFTWARE\\EA Games\\Other Game",
                   KEY_WOW64_32KEY,
                   {{L"Install Dir", L"EA\\Other Game\\"}}}},
                 {"ea|EA/The Sims Legacy|-|"}},
        HomeCase{"the EA app's key in the 64-bit view",
                 [](const fs::path& home, Variables&) { WriteGameFolder(home / "EA64/Sims"); },
                 {{HKEY_LOCAL_MACHINE,
                   L"SOFTWARE\\EA Games\\The Sims Legacy",
                   KEY_WOW64_64KEY,
                   {{L"Install Dir", L"EA64\\Sims"}}}},
                 {"ea|EA64/Sims|-|"}},
        HomeCase{
            "the re-release's saves in Documents",
            [](const fs::path& home, Variables& variables) {
                ProgramFolders(home, variables);
                WriteGameFolder(home / "Program Files/EA Games/The Sims Legacy");
            },
            {},
            {"ea|Program Files/EA Games/The Sims Legacy|<Documents>/Electronic Arts/The Sims 25|UserData3"},
            {},
            {"UserData3"}},
        HomeCase{
            "Saved Games comes before Documents",
            [](const fs::path& home, Variables& variables) {
                ProgramFolders(home, variables);
                WriteGameFolder(home / "Program Files/EA Games/The Sims Legacy");
            },
            {},
            {"ea|Program Files/EA Games/The Sims Legacy|<Saved Games>/Electronic Arts/The Sims 25|UserData"},
            {"UserData"},
            {"UserData3"}},
        HomeCase{"the classic key and the default folder are one install",
                 [](const fs::path& home, Variables& variables) {
                     ProgramFolders(home, variables);
                     ClassicIn(home / "Program Files (x86)/Maxis/The Sims", {"UserData"});
                 },
                 {ClassicKey({{L"InstallPath", L"Program Files (x86)\\Maxis\\The Sims"}})},
                 {"classic|Program Files (x86)/Maxis/The Sims|Program Files (x86)/Maxis/The Sims|UserData"}}),
    RowName());

}  // namespace
}  // namespace tarnwick
