// An archive's members as nested folders: names split at '\' and '/', names
// that are no plain relative path kept whole at the top, names that meet told
// apart, and each member found again where it is shown.
#include "model/archive/archive_tree.h"

#include <gtest/gtest.h>

#include <map>

#include "tests/support/case_name.h"

namespace tarnwick {
namespace {

std::vector<FarMember> Members(const std::vector<std::string>& names)
{
    std::vector<FarMember> members;
    members.reserve(names.size());
    for (const std::string& name : names)
        members.push_back({name, 0, 0, {}});
    return members;
}

// A folder's entries in manifest order, "name/" for a folder.
std::string Listing(const ArchiveTree& tree, std::string_view folder)
{
    const auto* entries = tree.Folder(folder);
    if (entries == nullptr)
        return "(none)";
    std::string listing;
    for (const ArchiveTree::Entry& entry : *entries)
        listing += (listing.empty() ? "" : "|") + entry.Name + (entry.IsFolder ? "/" : "");
    return listing;
}

struct TreeRow {
    std::string name;
    std::vector<std::string> members;
    std::map<std::string, std::string> folders;  // folder -> its listing
};

class ArchiveTreeFolders : public testing::TestWithParam<TreeRow> {};

TEST_P(ArchiveTreeFolders, ListsEachFolderAndFindsEachMemberWhereItIsShown)
{
    const TreeRow& row = GetParam();
    const ArchiveTree tree(Members(row.members));
    for (const auto& [folder, listing] : row.folders)
        EXPECT_EQ(Listing(tree, folder), listing) << "folder \"" << folder << "\"";
    for (std::uint32_t i = 0; i < row.members.size(); ++i)
        EXPECT_EQ(tree.MemberAt(tree.PlaceOf(i)), i) << "member " << i << " at " << tree.PlaceOf(i);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ArchiveTreeFolders,
    testing::Values(
        TreeRow{"plain names at the top", {"a.iff", "B.IFF"}, {{"", "a.iff|B.IFF"}, {"a.iff", "(none)"}}},
        TreeRow{"backslashes make folders",
                {"People\\maid.iff", "top.iff", "People\\butler.iff"},
                {{"", "People/|top.iff"}, {"People", "maid.iff|butler.iff"}}},
        TreeRow{"a slash makes a folder too", {"People/maid.iff"}, {{"", "People/"}, {"People", "maid.iff"}}},
        TreeRow{"folders in folders",
                {"a\\b\\c.iff", "a\\d.iff"},
                {{"", "a/"}, {"a", "b/|d.iff"}, {"a/b", "c.iff"}, {"b", "(none)"}}},
        TreeRow{"folders of one name in another case stay apart",
                {"People\\a.iff", "people\\b.iff"},
                {{"", "People/|people/"}, {"People", "a.iff"}, {"people", "b.iff"}}},
        TreeRow{"names leading out of the archive are kept whole at the top",
                {"..\\evil.iff", "\\root.iff", "C:\\drive.iff", "a\\..\\..\\up.iff", "a/./b.iff"},
                {{"", "..\\evil.iff|\\root.iff|C:\\drive.iff|a\\..\\..\\up.iff|a\\.\\b.iff"},
                 {"a", "(none)"},
                 {"..", "(none)"}}},
        TreeRow{"empty parts and a trailing separator keep the name whole",
                {"a\\\\b.iff", "c\\"},
                {{"", "a\\\\b.iff|c\\"}}},
        TreeRow{"a member without a name", {""}, {{"", "(no name)"}}},
        TreeRow{"a drive-like colon anywhere keeps the name whole", {"x\\y:z.iff"}, {{"", "x\\y:z.iff"}}},
        TreeRow{"members of one name are numbered before the extension",
                {"x.iff", "x.iff", "X.iff", "x.iff"},
                {{"", "x.iff|x (2).iff|X.iff|x (3).iff"}}},
        TreeRow{"a file named as a folder is the one numbered",
                {"a", "a\\b.iff", "readme", "readme"},
                {{"", "a/|a (2)|readme|readme (2)"}, {"a", "b.iff"}}},
        TreeRow{"a dot at the start is no extension", {".hidden", ".hidden"}, {{"", ".hidden|.hidden (2)"}}}),
    fixtures::RowName());

TEST(ArchiveTree, FindsNoMemberWhereNoneIsShown)
{
    const ArchiveTree tree(Members({"People\\maid.iff"}));
    EXPECT_EQ(tree.MemberAt("maid.iff"), std::nullopt);
    EXPECT_EQ(tree.MemberAt("People"), std::nullopt);  // a folder
    EXPECT_EQ(tree.MemberAt("People/butler.iff"), std::nullopt);
    EXPECT_EQ(tree.MemberAt("Nobody/maid.iff"), std::nullopt);
    EXPECT_EQ(ArchiveTree().Folder(""), nullptr);
}

struct NamedRow {
    std::string name;
    std::string asked;
    std::optional<std::uint32_t> found;
};

class MemberNamed : public testing::TestWithParam<NamedRow> {};

TEST_P(MemberNamed, IsTheFirstThatMatchesExactlyThenLoosely)
{
    const auto members = Members({"People\\Maid.iff", "people\\maid.iff", "a/b.iff", "x.iff", "x.iff"});
    EXPECT_EQ(FindMemberNamed(members, GetParam().asked), GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(Names, MemberNamed,
                         testing::Values(NamedRow{"exact", "people\\maid.iff", 1},
                                         NamedRow{"exact before another case", "People\\Maid.iff", 0},
                                         NamedRow{"slash for backslash", "people/maid.iff", 1},
                                         NamedRow{"backslash for slash", "a\\b.iff", 2},
                                         NamedRow{"another case", "PEOPLE/MAID.IFF", 0},
                                         NamedRow{"the first of two alike", "x.iff", 3},
                                         NamedRow{"none", "People\\cook.iff", std::nullopt},
                                         NamedRow{"a part of a name", "maid.iff", std::nullopt}),
                         fixtures::RowName());

}  // namespace
}  // namespace tarnwick
