// The install search of Windows over fake trees: Program Files, the EA app's
// folder, Steam, VirtualStore and the classic key in the registry's 32-bit view.
#include <windows.h>
// After windows.h, whose macros they use.
#include <knownfolders.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
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

const std::wstring kClassicKey = L"Software\\Maxis\\The Sims";
const fs::path kLegacy = "steamapps/common/The Sims Legacy Collection";

// The classic install's key, written in the 32-bit view the game writes, for
// one test; deleted with the Maxis key when that was made for it too.
class ClassicKey {
public:
    ClassicKey()
    {
        DWORD made = 0;
        HKEY maxis = nullptr;
        status_ = RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Maxis", 0, nullptr, 0,
                                  KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr, &maxis, &made);
        if (status_ != ERROR_SUCCESS)
            return;
        RegCloseKey(maxis);
        madeMaxis_ = made == REG_CREATED_NEW_KEY;
        status_ = RegCreateKeyExW(HKEY_LOCAL_MACHINE, kClassicKey.c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr, &key_, &made);
        if (status_ == ERROR_SUCCESS && made != REG_CREATED_NEW_KEY)
            status_ = ERROR_ALREADY_EXISTS;  // a real install's: left alone
    }
    ~ClassicKey()
    {
        if (key_ != nullptr)
            RegCloseKey(key_);
        if (status_ == ERROR_SUCCESS)
            RegDeleteKeyExW(HKEY_LOCAL_MACHINE, kClassicKey.c_str(), KEY_WOW64_32KEY, 0);
        if (madeMaxis_)
            RegDeleteKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Maxis", KEY_WOW64_32KEY, 0);
    }
    ClassicKey(const ClassicKey&) = delete;
    ClassicKey& operator=(const ClassicKey&) = delete;

    [[nodiscard]] LONG Status() const { return status_; }
    void Set(const std::wstring& name, const std::wstring& text) const
    {
        const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
        ASSERT_EQ(
            RegSetValueExW(key_, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes),
            ERROR_SUCCESS);
    }

private:
    HKEY key_ = nullptr;
    LONG status_ = ERROR_SUCCESS;
    bool madeMaxis_ = false;
};

// The user's Saved Games, where the re-release keeps its saves.
fs::path SavedGames()
{
    PWSTR path = nullptr;
    fs::path folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_SavedGames, 0, nullptr, &path)))
        folder = path;
    CoTaskMemFree(path);
    return folder;
}

// The re-release's saves in the user's Saved Games for one test, unless the
// game has saves there already; removed afterwards.
class ReReleaseSaves {
public:
    explicit ReReleaseSaves(const std::vector<std::string>& neighbourhoods)
        : publisher_(SavedGames() / "Electronic Arts"), folder_(publisher_ / "The Sims 25")
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
    // The classic key's values, as (name, path below the home); none writes no key.
    std::vector<std::pair<std::wstring, std::wstring>> classicKey;
    // Per install: "edition|game folder|saves|neighbourhoods", paths below the
    // home, "<Saved Games>" for the user's known folder. A neighbourhood found
    // elsewhere than the saves root is marked "*".
    std::vector<std::string> installs;
    // The re-release's neighbourhoods in the user's Saved Games; none writes none.
    std::vector<std::string> savedGames = {};
    friend void PrintTo(const HomeCase& row, std::ostream* out) { *out << row.name; }
};

std::string Shown(const fs::path& home, const fs::path& path)
{
    if (path.empty())
        return "-";
    const fs::path below = path.lexically_relative(home);
    if (!below.empty() && *below.begin() != "..")
        return Utf8OfPath(below.generic_wstring());
    const fs::path savedGames = SavedGames();
    const fs::path belowSavedGames = path.lexically_relative(savedGames);
    if (!savedGames.empty() && !belowSavedGames.empty() && *belowSavedGames.begin() != "..")
        return "<Saved Games>/" + Utf8OfPath(belowSavedGames.generic_wstring());
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
    std::optional<ClassicKey> key;
    if (!row.classicKey.empty()) {
        key.emplace();
        if (key->Status() == ERROR_ACCESS_DENIED || key->Status() == ERROR_ALREADY_EXISTS)
            GTEST_SKIP() << "the classic key cannot be written here, or is a real install's";
        ASSERT_EQ(key->Status(), ERROR_SUCCESS);
        for (const auto& [name, below] : row.classicKey)
            key->Set(name, (home / below).wstring());
    }
    std::optional<ReReleaseSaves> saves;
    if (!row.savedGames.empty()) {
        saves.emplace(row.savedGames);
        if (!saves->Made())
            GTEST_SKIP() << "the re-release has saves in this user's Saved Games";
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
                 {{L"SIMS_DATA", L"Games\\Sims"}},
                 {"classic|Games/Sims|Games/Sims|UserData"}},
        HomeCase{"the classic key's install folder with the game one below",
                 [](const fs::path& home, Variables&) { ClassicIn(home / "Repack/The Sims", {"UserData"}); },
                 {{L"InstallPath", L"Repack"}},
                 {"classic|Repack/The Sims|Repack/The Sims|UserData"}},
        HomeCase{"the classic key naming a folder beyond ASCII",
                 [](const fs::path& home, Variables&) {
                     ClassicIn(home / L"Jeux/Les Sims \u00e9t\u00e9", {"UserData"});
                 },
                 {{L"InstallPath", L"Jeux\\Les Sims \u00e9t\u00e9"}},
                 {"classic|Jeux/Les Sims \xC3\xA9t\xC3\xA9|Jeux/Les Sims \xC3\xA9t\xC3\xA9|UserData"}},
        HomeCase{"the classic key naming a folder that is gone",
                 [](const fs::path&, Variables&) {},
                 {{L"InstallPath", L"Gone"}},
                 {}},
        HomeCase{"the classic key and the default folder are one install",
                 [](const fs::path& home, Variables& variables) {
                     ProgramFolders(home, variables);
                     ClassicIn(home / "Program Files (x86)/Maxis/The Sims", {"UserData"});
                 },
                 {{L"InstallPath", L"Program Files (x86)\\Maxis\\The Sims"}},
                 {"classic|Program Files (x86)/Maxis/The Sims|Program Files (x86)/Maxis/The Sims|UserData"}}),
    RowName());

}  // namespace
}  // namespace tarnwick
