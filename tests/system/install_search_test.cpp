// The install search over fake homes, one row per place a player may have the
// game: each found, or rightly refused.
#include "system/install_search.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "synth/install_tree_builder.h"
#include "synth/temp_dir.h"
#include "tests/support/case_name.h"

namespace tarnwick {
namespace {

namespace fs = std::filesystem;
using namespace fixtures;
using Variables = std::map<std::string, std::string, std::less<>>;

constexpr const char* kLegacy = "The Sims Legacy Collection";
const fs::path kSteam = ".local/share/Steam";
const fs::path kLegacyFolder = fs::path("steamapps/common") / kLegacy;
const fs::path kLegacyPrefix = "steamapps/compatdata/3314060/pfx";

struct HomeCase {
    const char* name;
    std::function<void(const fs::path& home, Variables& variables)> build;
    // Per install: "edition|found in|game folder|saves|neighbourhoods", paths below the home.
    std::vector<std::string> installs;
    std::string problem = {};  // a part of the one line of a refused settings file; empty for none
    friend void PrintTo(const HomeCase& row, std::ostream* out) { *out << row.name; }
};

std::string Below(const fs::path& home, const fs::path& path)
{
    return path.empty() ? "-" : path.lexically_relative(home).generic_string();
}

std::string Summary(const fs::path& home, const GameInstall& install)
{
    std::string neighbourhoods;
    for (const Neighbourhood& neighbourhood : install.Neighbourhoods)
        neighbourhoods += (neighbourhoods.empty() ? "" : ",") + neighbourhood.Name;
    const char* editions[] = {"classic", "steam", "ea"};
    const char* places[] = {"native", "wine", "proton", "lutris", "bottles", "crossover", "whisky"};
    return std::string(editions[static_cast<int>(install.Release)]) + "|" +
           places[static_cast<int>(install.Where)] + "|" + Below(home, install.GameFolder) + "|" +
           Below(home, install.SavesRoot) + "|" + neighbourhoods;
}

class InstallSearchTest : public testing::TestWithParam<HomeCase> {};

TEST_P(InstallSearchTest, FindsWhatTheHomeHolds)
{
    TempDir dir;
    const fs::path home = fs::canonical(dir.Path());
    Variables variables;
    GetParam().build(home, variables);
    SearchPlaces places{home, [&](std::string_view name) {
                            const auto found = variables.find(name);
                            return found == variables.end() ? std::string() : found->second;
                        }};
    const InstallSearch search = FindInstalls(places);
    std::vector<std::string> found;
    for (const GameInstall& install : search.Installs)
        found.push_back(Summary(home, install));
    EXPECT_EQ(found, GetParam().installs);
    std::string problems;
    for (const std::string& problem : search.Problems)
        problems += problem + "\n";
    if (GetParam().problem.empty())
        EXPECT_EQ(problems, "");
    else
        EXPECT_NE(problems.find(GetParam().problem), std::string::npos) << problems;
}

// Steam with the re-release in `library` (below the home) and its Proton
// prefix with saves in `prefixLibrary`.
void SteamWithLegacy(const fs::path& home, const fs::path& root, const fs::path& library,
                     const fs::path& prefixLibrary,
                     const std::vector<std::string>& neighbourhoods = {"UserData"})
{
    std::vector<std::string> libraries{(home / root).string()};
    if (library != root)
        libraries.push_back((home / library).string());
    WriteLibraryList(home / root, libraries);
    WriteAppManifest(home / library, "3314060", kLegacy);
    WriteGameFolder(home / library / kLegacyFolder);
    // The install's own UserData is the untouched template, never the saves.
    WriteNeighbourhoods(home / library / kLegacyFolder, {"UserData", "UserData2"});
    WriteWinePrefix(home / prefixLibrary / kLegacyPrefix);
    WriteTextFile(home / prefixLibrary / "steamapps/compatdata/3314060/pfx.lock", "");
    WriteNeighbourhoods(ReReleaseSavesFolder(home / prefixLibrary / kLegacyPrefix), neighbourhoods);
}

std::string LegacyRow(const fs::path& library, const fs::path& prefixLibrary,
                      const std::string& neighbourhoods)
{
    return "steam|proton|" + (library / kLegacyFolder).generic_string() + "|" +
           (prefixLibrary / kLegacyPrefix / "drive_c/users/steamuser/Saved Games/Electronic Arts/The Sims 25")
               .generic_string() +
           "|" + neighbourhoods;
}

// A Wine prefix at `prefix` with a classic install in C:\Games\The Sims.
void ClassicPrefix(const fs::path& prefix)
{
    WriteWinePrefix(prefix, {{"SIMS_DATA", "C:\\Games\\The Sims"}});
    WriteGameFolder(prefix / "drive_c/Games/The Sims");
    WriteNeighbourhoods(prefix / "drive_c/Games/The Sims", {"UserData", "UserData3"});
}

std::string ClassicRow(const std::string& prefix, const std::string& where)
{
    const std::string game = prefix + "/drive_c/Games/The Sims";
    return "classic|" + where + "|" + game + "|" + game + "|UserData,UserData3";
}

constexpr const char* kSavedGamesValue = "{4C5C32FF-BB9D-43B0-B5B4-2D72E54EAAA4}";
const fs::path kSteamPrefix = kSteam / kLegacyPrefix;
const fs::path kSteamUser = kSteamPrefix / "drive_c/users/steamuser";
const fs::path kWhiskyBottle = "Library/Containers/com.isaacmarovitz.Whisky/Bottles/B1";

// The re-release under Proton whose saves the row puts somewhere in the prefix.
void ProtonLegacy(const fs::path& home)
{
    WriteAppManifest(home / kSteam, "3314060", kLegacy);
    WriteGameFolder(home / kSteam / kLegacyFolder);
    WriteWinePrefix(home / kSteamPrefix);
}

std::string ProtonLegacyRow(const fs::path& saves, const std::string& neighbourhoods)
{
    return "steam|proton|" + (kSteam / kLegacyFolder).generic_string() + "|" +
           (saves / "Electronic Arts/The Sims 25").generic_string() + "|" + neighbourhoods;
}

void LutrisFile(const fs::path& file, const std::string& prefix)
{
    WriteTextFile(file, "game:\n  exe: " + prefix + "/drive_c/Games/The Sims/Sims.exe\n  prefix: " + prefix +
                            "\ngame_slug: the-sims\nname: The Sims\nrunner: wine\n");
}

INSTANTIATE_TEST_SUITE_P(
    Homes, InstallSearchTest,
    testing::Values(
        HomeCase{"an empty home", [](const fs::path&, Variables&) {}, {}, ""},
        HomeCase{"the game in the second library and its prefix in the first",
                 [](const fs::path& home, Variables&) {
                     SteamWithLegacy(home, kSteam, "games/SteamLibrary", kSteam,
                                     {"UserData10", "UserData", "UserData2", "UserDataVacation"});
                 },
                 {LegacyRow("games/SteamLibrary", kSteam, "UserData,UserData2,UserData10,UserDataVacation")}},
        HomeCase{"the library list in its older shape",
                 [](const fs::path& home, Variables&) {
                     SteamWithLegacy(home, kSteam, "lib", kSteam);
                     WriteLibraryList(home / kSteam, {(home / "lib").string()}, LibraryListShape::Paths);
                 },
                 {LegacyRow("lib", kSteam, "UserData")}},
        HomeCase{"a Flatpak Steam",
                 [](const fs::path& home, Variables&) {
                     const fs::path root = ".var/app/com.valvesoftware.Steam/.local/share/Steam";
                     SteamWithLegacy(home, root, root, root);
                 },
                 {LegacyRow(".var/app/com.valvesoftware.Steam/.local/share/Steam",
                            ".var/app/com.valvesoftware.Steam/.local/share/Steam", "UserData")}},
        HomeCase{"an older Flatpak Steam",
                 [](const fs::path& home, Variables&) {
                     const fs::path root = ".var/app/com.valvesoftware.Steam/data/Steam";
                     SteamWithLegacy(home, root, root, root);
                 },
                 {LegacyRow(".var/app/com.valvesoftware.Steam/data/Steam",
                            ".var/app/com.valvesoftware.Steam/data/Steam", "UserData")}},
        HomeCase{"a Snap Steam",
                 [](const fs::path& home, Variables&) {
                     const fs::path root = "snap/steam/common/.local/share/Steam";
                     SteamWithLegacy(home, root, root, root);
                 },
                 {LegacyRow("snap/steam/common/.local/share/Steam", "snap/steam/common/.local/share/Steam",
                            "UserData")}},
        HomeCase{"a Steam named by STEAM_DIR",
                 [](const fs::path& home, Variables& variables) {
                     SteamWithLegacy(home, "elsewhere/Steam", "elsewhere/Steam", "elsewhere/Steam");
                     variables["STEAM_DIR"] = (home / "elsewhere/Steam").string();
                 },
                 {LegacyRow("elsewhere/Steam", "elsewhere/Steam", "UserData")}},
        HomeCase{"Steam roots that are links to one are searched once",
                 [](const fs::path& home, Variables&) {
                     SteamWithLegacy(home, kSteam, kSteam, kSteam);
                     fs::create_directories(home / ".steam");
                     fs::create_directory_symlink(home / kSteam, home / ".steam/steam");
                     fs::create_directory_symlink(home / kSteam, home / ".steam/root");
                 },
                 {LegacyRow(kSteam, kSteam, "UserData")}},
        HomeCase{"the re-release not yet started has no saves",
                 [](const fs::path& home, Variables&) {
                     WriteAppManifest(home / kSteam, "3314060", kLegacy);
                     WriteGameFolder(home / kSteam / kLegacyFolder);
                 },
                 {"steam|native|.local/share/Steam/steamapps/common/The Sims Legacy Collection|-|"}},
        HomeCase{"a manifest whose folder looks like the game but lacks its marker",
                 [](const fs::path& home, Variables&) {
                     WriteAppManifest(home / kSteam, "3314060", kLegacy);
                     WriteLookAlikeGameFolder(home / kSteam / kLegacyFolder);
                 },
                 {}},
        HomeCase{"a manifest naming a folder outside the library",
                 [](const fs::path& home, Variables&) {
                     WriteAppManifest(home / kSteam, "3314060", "../../../game");
                     WriteGameFolder(home / "game");
                 },
                 {}},
        HomeCase{"a damaged library list still leaves the root's own library",
                 [](const fs::path& home, Variables&) {
                     SteamWithLegacy(home, kSteam, kSteam, kSteam);
                     WriteTextFile(home / kSteam / "steamapps/libraryfolders.vdf",
                                   "\"libraryfolders\"\n{\n\"0\"\n{\n\"pa");
                 },
                 {LegacyRow(kSteam, kSteam, "UserData")},
                 "libraryfolders.vdf: line 5: a quoted text does not end"},
        HomeCase{"an empty library list",
                 [](const fs::path& home, Variables&) {
                     SteamWithLegacy(home, kSteam, kSteam, kSteam);
                     WriteTextFile(home / kSteam / "steamapps/libraryfolders.vdf", "");
                 },
                 {LegacyRow(kSteam, kSteam, "UserData")}},
        HomeCase{"an enormous library list is refused unread",
                 [](const fs::path& home, Variables&) {
                     SteamWithLegacy(home, kSteam, kSteam, kSteam);
                     fs::resize_file(home / kSteam / "steamapps/libraryfolders.vdf", 100u << 20);
                 },
                 {LegacyRow(kSteam, kSteam, "UserData")},
                 "libraryfolders.vdf: larger than 16 MiB"},
        HomeCase{"a classic install in WINEPREFIX",
                 [](const fs::path& home, Variables& variables) {
                     ClassicPrefix(home / "prefixes/sims");
                     variables["WINEPREFIX"] = (home / "prefixes/sims").string();
                 },
                 {ClassicRow("prefixes/sims", "wine")}},
        HomeCase{"WINEPREFIX and ~/.wine that are one prefix give one install",
                 [](const fs::path& home, Variables& variables) {
                     ClassicPrefix(home / ".wine");
                     variables["WINEPREFIX"] = (home / ".wine/").string();
                 },
                 {ClassicRow(".wine", "wine")}},
        HomeCase{"a classic prefix with only InstallPath",
                 [](const fs::path& home, Variables&) {
                     WriteWinePrefix(home / ".wine", {{"InstallPath", "C:\\Games\\The Sims"}});
                     WriteGameFolder(home / ".wine/drive_c/Games/The Sims");
                 },
                 {"classic|wine|.wine/drive_c/Games/The Sims|-|"}},
        HomeCase{"a repack: the game one folder below InstallPath",
                 [](const fs::path& home, Variables&) {
                     WriteWinePrefix(home / ".wine", {{"InstallPath", "C:\\Games"}});
                     WriteGameFolder(home / ".wine/drive_c/games/the sims");
                     WriteNeighbourhoods(home / ".wine/drive_c/games/the sims", {"userdata"});
                 },
                 {"classic|wine|.wine/drive_c/games/the sims|.wine/drive_c/games/the sims|userdata"}},
        HomeCase{
            "SIMS_DATA naming a look-alike, InstallPath the game",
            [](const fs::path& home, Variables&) {
                WriteWinePrefix(home / ".wine", {{"SIMS_DATA", "C:\\Copy"}, {"InstallPath", "C:\\Game"}});
                WriteLookAlikeGameFolder(home / ".wine/drive_c/Copy");
                WriteGameFolder(home / ".wine/drive_c/Game");
            },
            {"classic|wine|.wine/drive_c/Game|-|"}},
        HomeCase{"a key naming only a look-alike is refused",
                 [](const fs::path& home, Variables&) {
                     WriteWinePrefix(home / ".wine", {{"SIMS_DATA", "C:\\Copy"}});
                     WriteLookAlikeGameFolder(home / ".wine/drive_c/Copy");
                 },
                 {}},
        HomeCase{"a Lutris game file",
                 [](const fs::path& home, Variables&) {
                     ClassicPrefix(home / "Games/the-sims");
                     LutrisFile(home / ".local/share/lutris/games/the-sims-1.yml",
                                (home / "Games/the-sims").string());
                 },
                 {ClassicRow("Games/the-sims", "lutris")}},
        HomeCase{"an older Lutris game file with a home-relative prefix",
                 [](const fs::path& home, Variables&) {
                     ClassicPrefix(home / "Games/the-sims");
                     LutrisFile(home / ".config/lutris/games/the-sims-1.yml", "~/Games/the-sims");
                 },
                 {ClassicRow("Games/the-sims", "lutris")}},
        HomeCase{"a Flatpak Lutris game naming the game by its exe only",
                 [](const fs::path& home, Variables&) {
                     WriteGameFolder(home / "Games/sims/The Sims");
                     WriteTextFile(
                         home / ".var/app/net.lutris.Lutris/data/lutris/games/sims.yml",
                         "game:\n  exe: " + (home / "Games/sims/The Sims/SIMS.EXE").string() + "\n");
                 },
                 {"classic|lutris|Games/sims/The Sims|-|"}},
        HomeCase{"a damaged Lutris file is refused with a line",
                 [](const fs::path& home, Variables&) {
                     WriteTextFile(home / ".local/share/lutris/games/cut.yml", "game:\n  exe: \"/cut");
                 },
                 {},
                 "cut.yml: line"},
        HomeCase{"a Lutris file nested 10,000 deep is refused",
                 [](const fs::path& home, Variables&) {
                     WriteTextFile(home / ".local/share/lutris/games/deep.yml",
                                   "game: " + std::string(10'000, '['));
                 },
                 {},
                 "deep.yml: line 1"},
        HomeCase{"a 100 MB Lutris file is refused unread",
                 [](const fs::path& home, Variables&) {
                     WriteTextFile(home / ".local/share/lutris/games/huge.yml", "game:\n");
                     fs::resize_file(home / ".local/share/lutris/games/huge.yml", 100u << 20);
                 },
                 {},
                 "huge.yml: larger than 1 MiB"},
        HomeCase{"a Bottles bottle",
                 [](const fs::path& home, Variables&) {
                     ClassicPrefix(home / ".local/share/bottles/bottles/Sims");
                 },
                 {ClassicRow(".local/share/bottles/bottles/Sims", "bottles")}},
        HomeCase{"a Flatpak Bottles bottle",
                 [](const fs::path& home, Variables&) {
                     ClassicPrefix(home / ".var/app/com.usebottles.bottles/data/bottles/bottles/Sims");
                 },
                 {ClassicRow(".var/app/com.usebottles.bottles/data/bottles/bottles/Sims", "bottles")}},
        HomeCase{"a bottle in Bottles' custom path",
                 [](const fs::path& home, Variables&) {
                     ClassicPrefix(home / "big-disk/bottles/Sims");
                     WriteTextFile(home / ".local/share/bottles/data.yml",
                                   "custom_bottles_path: " + (home / "big-disk/bottles").string() + "\n");
                 },
                 {ClassicRow("big-disk/bottles/Sims", "bottles")}},
        HomeCase{"a CD install in another Proton prefix",
                 [](const fs::path& home, Variables&) {
                     ClassicPrefix(home / kSteam / "steamapps/compatdata/2871233456/pfx");
                 },
                 {ClassicRow(".local/share/Steam/steamapps/compatdata/2871233456/pfx", "proton")}},
        HomeCase{
            "the re-release from a Windows Steam in a bottle",
            [](const fs::path& home, Variables&) {
                const fs::path bottle = home / ".local/share/bottles/bottles/Steam";
                WriteWinePrefix(bottle);
                const fs::path steam = bottle / "drive_c/Program Files (x86)/Steam";
                WriteLibraryList(steam, {"C:\\Program Files (x86)\\Steam", "C:\\SteamLibrary"});
                WriteAppManifest(bottle / "drive_c/SteamLibrary", "3314060", kLegacy);
                WriteGameFolder(bottle / "drive_c/SteamLibrary" / kLegacyFolder);
                WriteNeighbourhoods(ReReleaseSavesFolder(bottle, "player"), {"UserData"});
            },
            {"steam|bottles|.local/share/bottles/bottles/Steam/drive_c/SteamLibrary/" +
             kLegacyFolder.generic_string() +
             "|.local/share/bottles/bottles/Steam/drive_c/users/player/Saved Games/Electronic Arts/The Sims "
             "25|UserData"}},
        HomeCase{
            "the re-release from the EA app, for a user named in Cyrillic",
            [](const fs::path& home, Variables&) {
                WriteWinePrefix(home / ".wine");
                WriteGameFolder(home / ".wine/drive_c/Program Files/EA Games/The Sims Legacy");
                WriteNeighbourhoods(ReReleaseSavesFolder(home / ".wine", "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD"),
                                    {"UserData", "UserData2"});
            },
            {"ea|wine|.wine/drive_c/Program Files/EA Games/The Sims Legacy|.wine/drive_c/users/"
             "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD/Saved Games/Electronic Arts/The Sims 25|UserData,UserData2"}},
        HomeCase{"the re-release under Proton and a classic install in a prefix",
                 [](const fs::path& home, Variables&) {
                     SteamWithLegacy(home, kSteam, kSteam, kSteam);
                     ClassicPrefix(home / ".wine");
                 },
                 {LegacyRow(kSteam, kSteam, "UserData"), ClassicRow(".wine", "wine")}}),
    RowName());

// Where the re-release's saves are in a prefix, and the bottles of CrossOver and Whisky.
INSTANTIATE_TEST_SUITE_P(
    SavesAndBottles, InstallSearchTest,
    testing::Values(
        HomeCase{"Saved Games translated in user.reg comes before the default name",
                 [](const fs::path& home, Variables&) {
                     ProtonLegacy(home);
                     WriteUserShellFolders(home / kSteamPrefix,
                                           {{kSavedGamesValue, "%USERPROFILE%\\Gespeicherte Spiele"}});
                     WriteNeighbourhoods(ReReleaseSavesBelow(home / kSteamUser / "Gespeicherte Spiele"),
                                         {"UserData2"});
                     WriteNeighbourhoods(ReReleaseSavesBelow(home / kSteamUser / "Saved Games"),
                                         {"UserData"});
                 },
                 {ProtonLegacyRow(kSteamUser / "Gespeicherte Spiele", "UserData2")}},
        HomeCase{"Saved Games moved out of the profile, named in Shell Folders",
                 [](const fs::path& home, Variables&) {
                     ProtonLegacy(home);
                     WriteUserShellFolders(home / kSteamPrefix, {}, {{kSavedGamesValue, "c:\\SPIELE"}});
                     WriteNeighbourhoods(ReReleaseSavesBelow(home / kSteamPrefix / "drive_c/Spiele"),
                                         {"UserData"});
                 },
                 {ProtonLegacyRow(kSteamPrefix / "drive_c/Spiele", "UserData")}},
        HomeCase{"Saved Games named where no folder is falls back to the default name",
                 [](const fs::path& home, Variables&) {
                     ProtonLegacy(home);
                     WriteUserShellFolders(home / kSteamPrefix, {{kSavedGamesValue, "E:\\Gone"}},
                                           {{kSavedGamesValue, "C:\\..\\..\\Gone"}});
                     WriteNeighbourhoods(ReReleaseSavesBelow(home / kSteamUser / "Saved Games"),
                                         {"UserData"});
                 },
                 {ProtonLegacyRow(kSteamUser / "Saved Games", "UserData")}},
        HomeCase{"a user.reg that is not a registry is passed over",
                 [](const fs::path& home, Variables&) {
                     ProtonLegacy(home);
                     WriteTextFile(home / kSteamPrefix / "user.reg",
                                   "[Software\\Microsoft] 1\n\"x\"=\"C:\\\\x\"\n");
                     WriteNeighbourhoods(ReReleaseSavesBelow(home / kSteamUser / "Saved Games"),
                                         {"UserData"});
                 },
                 {ProtonLegacyRow(kSteamUser / "Saved Games", "UserData")}},
        HomeCase{"saves in Documents, named in any case, when Saved Games holds none",
                 [](const fs::path& home, Variables&) {
                     ProtonLegacy(home);
                     WriteLookAlikeGameFolder(ReReleaseSavesBelow(home / kSteamUser / "Saved Games"));
                     WriteNeighbourhoods(home / kSteamUser / "Documents/electronic arts/THE SIMS 25",
                                         {"UserData3"});
                 },
                 {"steam|proton|" + (kSteam / kLegacyFolder).generic_string() + "|" +
                  (kSteamUser / "Documents/electronic arts/THE SIMS 25").generic_string() + "|UserData3"}},
        HomeCase{
            "Documents moved in user.reg",
            [](const fs::path& home, Variables&) {
                ProtonLegacy(home);
                WriteUserShellFolders(home / kSteamPrefix, {{"Personal", "%USERPROFILE%\\Mes documents"}});
                WriteNeighbourhoods(ReReleaseSavesBelow(home / kSteamUser / "Mes documents"), {"UserData"});
                WriteNeighbourhoods(ReReleaseSavesBelow(home / kSteamUser / "Documents"), {"UserData2"});
            },
            {ProtonLegacyRow(kSteamUser / "Mes documents", "UserData")}},
        HomeCase{"a CrossOver bottle on Linux",
                 [](const fs::path& home, Variables&) { ClassicPrefix(home / ".cxoffice/The Sims"); },
                 {ClassicRow(".cxoffice/The Sims", "crossover")}},
        HomeCase{"a CrossOver bottle on macOS",
                 [](const fs::path& home, Variables&) {
                     ClassicPrefix(home / "Library/Application Support/CrossOver/Bottles/Sims");
                 },
                 {ClassicRow("Library/Application Support/CrossOver/Bottles/Sims", "crossover")}},
        HomeCase{"a CrossOver bottle whose key names only a look-alike is refused",
                 [](const fs::path& home, Variables&) {
                     const fs::path bottle = home / ".cxoffice/Copy";
                     WriteWinePrefix(bottle, {{"SIMS_DATA", "C:\\Copy"}});
                     WriteLookAlikeGameFolder(bottle / "drive_c/Copy");
                     WriteLookAlikeGameFolder(bottle / "drive_c/Program Files/EA Games/The Sims Legacy");
                 },
                 {}},
        HomeCase{
            "the re-release from a Windows Steam in a Whisky bottle",
            [](const fs::path& home, Variables&) {
                const fs::path bottle = home / kWhiskyBottle;
                WriteWinePrefix(bottle);
                const fs::path steam = bottle / "drive_c/Program Files (x86)/Steam";
                WriteLibraryList(steam, {"C:\\Program Files (x86)\\Steam"});
                WriteAppManifest(steam, "3314060", kLegacy);
                WriteGameFolder(steam / kLegacyFolder);
                WriteNeighbourhoods(ReReleaseSavesFolder(bottle, "crossover"), {"UserData"});
            },
            {"steam|whisky|" +
             (kWhiskyBottle / "drive_c/Program Files (x86)/Steam" / kLegacyFolder).generic_string() + "|" +
             (kWhiskyBottle / "drive_c/users/crossover/Saved Games/Electronic Arts/The Sims 25")
                 .generic_string() +
             "|UserData"}}),
    RowName());

TEST(InstallDescription, ListsEveryFolderOfEachInstall)
{
    TempDir dir;
    const fs::path home = fs::canonical(dir.Path());
    SteamWithLegacy(home, kSteam, kSteam, kSteam, {"UserData", "UserData2"});
    const auto search = FindInstalls({home, [](std::string_view) { return std::string(); }});
    const std::string game = (home / kSteam / kLegacyFolder).string();
    const std::string saves = ReReleaseSavesFolder(home / kSteam / kLegacyPrefix).string();
    EXPECT_EQ(DescribeInstalls(search.Installs),
              "The Sims Legacy Collection on Steam, in a Proton prefix\n"
              "  prefix: " +
                  (home / kSteam / kLegacyPrefix).string() + "\n" + "  game folder: " + game + "\n" +
                  "  downloads: " + game + "/Downloads\n" + "  walls: " + game + "/GameData/Walls\n" +
                  "  floors: " + game + "/GameData/Floors\n" + "  saves: " + saves + "\n" +
                  "  neighbourhood UserData: " + saves + "/UserData\n" +
                  "  neighbourhood UserData2: " + saves + "/UserData2\n");
    EXPECT_EQ(DescribeInstalls({}), "No installation of The Sims was found.\n");
}

}  // namespace
}  // namespace tarnwick
