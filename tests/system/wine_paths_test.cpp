#include "system/wine_paths.h"

#include <gtest/gtest.h>

#include "synth/temp_dir.h"

namespace tarnwick {
namespace {

namespace fs = std::filesystem;

// A prefix whose C: holds Games/Sims/userdata/characters, Café and a file;
// D: is a broken link and E: a link to a file.
class WinePathsTest : public testing::Test {
protected:
    WinePathsTest()
    {
        fs::create_directories(Drive() / "Games" / "Sims" / "userdata" / "characters");
        fs::create_directories(Drive() / "Caf\xC3\xA9");
        prefix_.Write("drive_c/Games/file.txt", {});
        fs::create_directories(prefix_.Path() / "dosdevices");
        fs::create_directory_symlink("../drive_c", prefix_.Path() / "dosdevices" / "c:");
        fs::create_directory_symlink("../missing", prefix_.Path() / "dosdevices" / "d:");
        fs::create_symlink("../drive_c/Games/file.txt", prefix_.Path() / "dosdevices" / "e:");
        fs::create_directory_symlink("/", prefix_.Path() / "dosdevices" / "z:");
    }
    [[nodiscard]] fs::path Drive() const { return prefix_.Path() / "drive_c"; }

    fixtures::TempDir prefix_;
};

struct MappingCase {
    const char* name;
    std::string windowsPath;
    const char* folder;  // below drive_c; nullptr when nothing is found
};

TEST_F(WinePathsTest, MapsADriveLetterAndMatchesNamesWithoutCase)
{
    const MappingCase cases[] = {
        {"same case", "C:\\Games\\Sims", "Games/Sims"},
        {"other case", "c:\\GAMES\\sims\\UserData\\Characters", "Games/Sims/userdata/characters"},
        {"final backslash", "C:\\Games\\Sims\\", "Games/Sims"},
        {"forward slashes", "C:/Games/Sims", "Games/Sims"},
        {"root of the drive", "C:\\", ""},
        {"drive alone", "C:", ""},
        {"a name in the game's code page", "C:\\caf\xE9", "Caf\xC3\xA9"},
        {"a missing folder", "C:\\Games\\Gone", nullptr},
        {"a file, not a folder", "C:\\Games\\file.txt", nullptr},
        {"a drive not linked", "Q:\\Games", nullptr},
        {"a drive whose link is broken", "D:\\", nullptr},
        {"no drive letter", "\\Games", nullptr},
        {"empty", "", nullptr},
    };
    for (const MappingCase& row : cases) {
        const auto folder = MapWindowsPath(row.windowsPath, prefix_.Path());
        if (row.folder == nullptr) {
            EXPECT_FALSE(folder) << row.name;
        } else {
            ASSERT_TRUE(folder) << row.name;
            EXPECT_EQ(fs::canonical(*folder), fs::canonical(Drive() / row.folder)) << row.name;
        }
    }
}

TEST_F(WinePathsTest, ListsTheDrivesThatLeadToFolders)
{
    const auto drives = WineDrives(prefix_.Path());
    ASSERT_EQ(drives.size(), 2u);
    EXPECT_EQ(drives[0].Letter, "C:");
    EXPECT_EQ(drives[0].Folder, fs::canonical(Drive()));
    EXPECT_EQ(drives[1].Letter, "Z:");
    EXPECT_TRUE(WineDrives(prefix_.Path() / "nowhere").empty());
}

}  // namespace
}  // namespace tarnwick
