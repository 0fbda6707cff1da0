// Paths through an archive: which part is the archive, and an archive's
// folders read as a folder's, sorted, with a declined archive's reason.
#include "system/archive_folders.h"

#include <gtest/gtest.h>
#include <filesystem>

#include "synth/temp_dir.h"
#include "tests/support/case_name.h"

namespace tarnwick {
namespace {

namespace fs = std::filesystem;

struct PlaceRow {
    std::string name;
    std::string path;     // below the test's folder
    std::string archive;  // below the test's folder; "" for none
    std::string inner;
};

class ArchivePlaceOfPath : public testing::TestWithParam<PlaceRow> {};

TEST_P(ArchivePlaceOfPath, IsTheFirstPartThatIsAnArchiveFile)
{
    const fixtures::TempDir top;
    const fixtures::Bytes bytes = fixtures::ToBytes("FAR!byAZ");
    fs::create_directories(top.Path() / "Folder.far" / "in");
    top.Write("Objects.far", bytes);
    top.Write("UPPER.FAR", bytes);
    top.Write("Folder.far/in/Inner.Far", bytes);
    top.Write("notes.txt", bytes);
    const std::string base = top.Path().string() + '/';

    const PlaceRow& row = GetParam();
    const auto place = FindArchivePlace(base + row.path);
    if (row.archive.empty()) {
        EXPECT_EQ(place, std::nullopt);
        return;
    }
    ASSERT_NE(place, std::nullopt);
    EXPECT_EQ(place->Archive, base + row.archive);
    EXPECT_EQ(place->Inner, row.inner);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ArchivePlaceOfPath,
    testing::Values(PlaceRow{"a folder on disk", "Folder.far/in", "", ""},
                    PlaceRow{"a file on disk", "notes.txt", "", ""},
                    PlaceRow{"the archive itself", "Objects.far", "Objects.far", ""},
                    PlaceRow{"an archive in capitals", "UPPER.FAR/People", "UPPER.FAR", "People"},
                    PlaceRow{"a member in a folder", "Objects.far/People/maid.iff", "Objects.far",
                             "People/maid.iff"},
                    PlaceRow{"an archive below a folder named as one", "Folder.far/in/Inner.Far/x.iff",
                             "Folder.far/in/Inner.Far", "x.iff"},
                    PlaceRow{"an archive that is not there", "Gone.far/x.iff", "", ""},
                    PlaceRow{"a name merely ending in far", "notfar", "", ""}),
    fixtures::RowName());

TEST(ArchiveName, EndsInDotFarInAnyCase)
{
    for (const char* name : {"Objects.far", "X.FAR", "a.Far", "b.fAr"})
        EXPECT_TRUE(IsArchiveName(name)) << name;
    for (const char* name : {".far", "far", "Objects.far.iff", "Objects.fa", "Objectsfar"})
        EXPECT_FALSE(IsArchiveName(name)) << name;
}

ArchiveContents Contents(const std::vector<std::string>& names, std::string error = {})
{
    ArchiveContents contents;
    for (const std::string& name : names)
        contents.Manifest.members.push_back({name, 0, 0, {}});
    contents.Manifest.error = std::move(error);
    if (!contents.Manifest.ok())
        contents.Manifest.members.clear();
    contents.Tree = ArchiveTree(contents.Manifest.members);
    return contents;
}

std::string Entries(const FolderRead& read)
{
    std::string listing;
    for (std::size_t i = 0; i < read.Entries.Size(); ++i)
        listing += (listing.empty() ? "" : "|") + std::string(read.Entries.Name(i)) +
                   (read.Entries.Kind(i) == EntryKind::Folder ? "/" : "");
    return listing;
}

TEST(ReadArchiveFolder, SortsAsAFolderIsSorted)
{
    const auto contents = Contents({"zeta.iff", "People\\b.iff", "Alpha.IFF", "people\\a.iff", "beta.flr"});
    const FolderRead top = ReadArchiveFolder(contents, "");
    EXPECT_TRUE(top.Opened);
    EXPECT_TRUE(top.InArchive);
    EXPECT_EQ(Entries(top), "Alpha.IFF|beta.flr|People/|people/|zeta.iff");
    EXPECT_EQ(Entries(ReadArchiveFolder(contents, "people")), "a.iff");
}

TEST(ReadArchiveFolder, SaysWhyItCannotBeOpened)
{
    const auto declined = Contents({}, "version 3 is another game's archive");
    const FolderRead top = ReadArchiveFolder(declined, "");
    EXPECT_FALSE(top.Opened);
    EXPECT_TRUE(top.InArchive);  // entered, to say why
    EXPECT_EQ(top.Reason, "version 3 is another game's archive");
    EXPECT_FALSE(ReadArchiveFolder(declined, "People").InArchive);

    const FolderRead missing = ReadArchiveFolder(Contents({"People\\a.iff"}), "Nobody");
    EXPECT_FALSE(missing.Opened);
    EXPECT_FALSE(missing.InArchive);  // a folder that is not there
    EXPECT_FALSE(missing.Reason.empty());
}

struct MemberPlaceRow {
    std::string name;
    std::string asked;
    std::string inner;
    bool found = true;
};

class MemberPlaceOfName : public testing::TestWithParam<MemberPlaceRow> {};

TEST_P(MemberPlaceOfName, IsWhereTheListsShowIt)
{
    const auto contents = Contents({"People\\maid.iff", "x.iff", "x.iff", "..\\up.iff"});
    const MemberPlace place = FindMemberPlace(contents, GetParam().asked);
    EXPECT_EQ(place.Inner, GetParam().inner);
    EXPECT_EQ(place.Problem.empty(), GetParam().found) << place.Problem;
}

INSTANTIATE_TEST_SUITE_P(Names, MemberPlaceOfName,
                         testing::Values(MemberPlaceRow{"in a folder", "People\\maid.iff", "People/maid.iff"},
                                         MemberPlaceRow{"with slashes", "People/maid.iff", "People/maid.iff"},
                                         MemberPlaceRow{"in another case", "people\\MAID.IFF",
                                                        "People/maid.iff"},
                                         MemberPlaceRow{"the first of two", "x.iff", "x.iff"},
                                         MemberPlaceRow{"kept whole", "..\\up.iff", "..\\up.iff"},
                                         MemberPlaceRow{"none", "cook.iff", "", false}),
                         fixtures::RowName());

TEST(FindMemberPlace, GivesADeclinedArchivesReason)
{
    const MemberPlace place = FindMemberPlace(Contents({}, "not an archive"), "x.iff");
    EXPECT_EQ(place.Problem, "not an archive");
    EXPECT_TRUE(place.Inner.empty());
}

}  // namespace
}  // namespace tarnwick
