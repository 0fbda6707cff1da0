#include "system/folder_listing.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <chrono>
#include <filesystem>
#include <optional>

#include "synth/temp_dir.h"

namespace tarnwick {
namespace {

namespace fs = std::filesystem;

// Every kind of entry a folder can hold, each named by what it is, and one name
// that is not UTF-8; read back sorted by name without regard to ASCII case.
TEST(ReadFolder, ListsEveryEntryByItsBytesWithWhatItLeadsTo)
{
    const fixtures::TempDir folder;
    const fs::path& top = folder.Path();
    folder.Write("file", fixtures::ToBytes("x"));
    folder.Write("caf\xE9", fixtures::ToBytes("x"));
    fs::create_directory(top / "Folder");
    ASSERT_EQ(::mkfifo((top / "pipe").c_str(), 0600), 0);
    fs::create_symlink("file", top / "link to file");
    fs::create_symlink("Folder", top / "link to folder");
    fs::create_symlink("/dev/null", top / "link to device");
    fs::create_symlink("nowhere", top / "dangling link");

    const FolderRead read = ReadFolder(top.string());
    ASSERT_TRUE(read.Opened);
    std::vector<std::pair<std::string, EntryKind>> entries;
    for (std::size_t i = 0; i < read.Entries.Size(); ++i)
        entries.emplace_back(read.Entries.Name(i), read.Entries.Kind(i));
    const std::vector<std::pair<std::string, EntryKind>> expected = {
        {"caf\xE9", EntryKind::File},
        {"dangling link", EntryKind::Other},
        {"file", EntryKind::File},
        {"Folder", EntryKind::Folder},
        {"link to device", EntryKind::Other},
        {"link to file", EntryKind::File},
        {"link to folder", EntryKind::Folder},
        {"pipe", EntryKind::Other},
    };
    EXPECT_EQ(entries, expected);
}

TEST(ReadFolder, SaysWhyAFolderCannotBeRead)
{
    const fixtures::TempDir folder;
    const std::string file = folder.Write("file", fixtures::ToBytes("x"));
    for (const std::string& path : {file, folder.Path().string() + "/gone"}) {
        const FolderRead read = ReadFolder(path);
        EXPECT_FALSE(read.Opened) << path;
        EXPECT_FALSE(read.Reason.empty()) << path;
        EXPECT_EQ(read.Entries.Size(), 0u) << path;
        EXPECT_FALSE(IsFolder(path)) << path;
    }
    EXPECT_TRUE(IsFolder(folder.Path().string()));
}

// A time of change set through the standard clocks reads back as the
// nanoseconds since 1970 the cache keeps, whatever epoch the file clock has.
TEST(SizeAndTimeOf, GivesSizeAndTimeSince1970ThroughLinks)
{
    using namespace std::chrono;
    const fixtures::TempDir folder;
    const std::string file = folder.Write("file", fixtures::ToBytes("twelve bytes"));
    constexpr sys_time<nanoseconds> kChanged = sys_days{2003y / March / 4} + 5h + 6min + 7s + 890ns;
    fs::last_write_time(file, file_clock::from_sys(kChanged));
    fs::create_symlink("file", folder.Path() / "link to file");
    fs::create_symlink("nowhere", folder.Path() / "dangling link");

    const std::int64_t expected = kChanged.time_since_epoch().count();
    for (const char* name : {"file", "link to file"}) {
        const std::optional<SizeAndTime> stamp = SizeAndTimeOf((folder.Path() / name).string());
        ASSERT_TRUE(stamp.has_value()) << name;
        EXPECT_EQ(stamp->Size, 12U) << name;
        EXPECT_EQ(stamp->Modified, expected) << name;
    }
    for (const char* name : {"dangling link", "gone"})
        EXPECT_FALSE(SizeAndTimeOf((folder.Path() / name).string()).has_value()) << name;
}

}  // namespace
}  // namespace tarnwick
