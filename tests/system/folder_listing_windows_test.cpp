// The folder listing of Windows, for real: wide names read back as UTF-8 in
// the order people look for names in, and the reason a path cannot be listed.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <utility>
#include <vector>

#include "synth/temp_dir.h"
#include "system/folder_listing.h"
#include "system/folder_names.h"
#include "tests/support/case_name.h"

namespace tarnwick {
namespace {

namespace fs = std::filesystem;

void WriteListedFile(const fs::path& file) { std::ofstream(file) << "x"; }

TEST(WindowsReadFolder, ListsWideNamesAsUtf8SortedIgnoringCase)
{
    const fixtures::TempDir folder;
    const fs::path& top = folder.Path();
    WriteListedFile(top / "zebra.iff");
    WriteListedFile(top / L"caf\u00e9.IFF");
    WriteListedFile(top / "Behavior.iff");
    fs::create_directory(top / L"\u0418\u0432\u0430\u043d");
    fs::create_directory(top / "GameData");

    // With its own separators or the other kind, and with one at the end.
    for (const std::string& path :
         {Utf8OfPath(top), Utf8OfPath(top.generic_wstring()), Utf8OfPath(top) + "\\"}) {
        const FolderRead read = ReadFolder(path);
        ASSERT_TRUE(read.Opened) << path << ": " << read.Reason;
        std::vector<std::pair<std::string, EntryKind>> entries;
        for (std::size_t i = 0; i < read.Entries.Size(); ++i)
            entries.emplace_back(read.Entries.Name(i), read.Entries.Kind(i));
        const std::vector<std::pair<std::string, EntryKind>> expected = {
            {"Behavior.iff", EntryKind::File},
            {"caf\xC3\xA9.IFF", EntryKind::File},
            {"GameData", EntryKind::Folder},
            {"zebra.iff", EntryKind::File},
            {"\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD", EntryKind::Folder},
        };
        EXPECT_EQ(entries, expected) << path;
    }
}

TEST(WindowsReadFolder, ListsAnEmptyFolderAsOpened)
{
    const fixtures::TempDir folder;
    const FolderRead read = ReadFolder(Utf8OfPath(folder.Path()));
    EXPECT_TRUE(read.Opened) << read.Reason;
    EXPECT_EQ(read.Entries.Size(), 0u);
}

struct ListingPathCase {
    const char* name;
    std::function<fs::path(const fs::path& top)> make;  // makes what the row needs; gives the path
    bool isFolder;
    bool isFile;
    friend void PrintTo(const ListingPathCase& row, std::ostream* out) { *out << row.name; }
};

class WindowsPathKindTest : public testing::TestWithParam<ListingPathCase> {};

TEST_P(WindowsPathKindTest, TellsFoldersFromFilesAndListsOnlyFolders)
{
    const fixtures::TempDir folder;
    const std::string path = Utf8OfPath(GetParam().make(folder.Path()));
    EXPECT_EQ(IsFolder(path), GetParam().isFolder);
    EXPECT_EQ(IsFile(path), GetParam().isFile);
    const FolderRead read = ReadFolder(path);
    EXPECT_EQ(read.Opened, GetParam().isFolder);
    EXPECT_EQ(read.Reason.empty(), GetParam().isFolder) << read.Reason;
    if (!GetParam().isFolder) {
        EXPECT_EQ(read.Entries.Size(), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, WindowsPathKindTest,
    testing::Values(
        ListingPathCase{"a folder", [](const fs::path& top) { return top; }, true, false},
        ListingPathCase{"a folder named beyond ASCII",
                        [](const fs::path& top) {
                            fs::create_directory(top / L"Les Sims \u00e9t\u00e9");
                            return top / L"Les Sims \u00e9t\u00e9";
                        },
                        true, false},
        ListingPathCase{"a file",
                        [](const fs::path& top) {
                            WriteListedFile(top / "Neighborhood.iff");
                            return top / "Neighborhood.iff";
                        },
                        false, true},
        ListingPathCase{"a missing entry", [](const fs::path& top) { return top / "gone"; }, false, false},
        ListingPathCase{"an entry of a missing folder",
                        [](const fs::path& top) { return top / "gone" / "UserData"; }, false, false},
        ListingPathCase{"a path through a file",
                        [](const fs::path& top) {
                            WriteListedFile(top / "file");
                            return top / "file" / "inside";
                        },
                        false, false}),
    fixtures::RowName());

// The cache's stamp: a name beyond ASCII, a time set through the standard
// clocks read back as nanoseconds since 1970 (FILETIME counts from 1601). The
// standard library sets times here to the second.
TEST(WindowsSizeAndTimeOf, GivesSizeAndTimeSince1970)
{
    using namespace std::chrono;
    const fixtures::TempDir folder;
    const fs::path file = folder.Path() / L"caf\u00e9.iff";
    std::ofstream(file) << "twelve bytes";
    constexpr sys_time<nanoseconds> kChanged = sys_days{2003y / March / 4} + 5h + 6min + 7s;
    fs::last_write_time(file, file_clock::from_sys(kChanged));

    const std::optional<SizeAndTime> stamp = SizeAndTimeOf(Utf8OfPath(file));
    ASSERT_TRUE(stamp.has_value());
    EXPECT_EQ(stamp->Size, 12U);
    EXPECT_EQ(stamp->Modified, kChanged.time_since_epoch().count());
    EXPECT_FALSE(SizeAndTimeOf(Utf8OfPath(folder.Path() / "gone")).has_value());
}

}  // namespace
}  // namespace tarnwick
