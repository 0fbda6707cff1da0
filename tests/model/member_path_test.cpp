// Stored member names made into paths that stay inside the chosen folder on
// any system, and the plan that keeps two members from sharing a file.
#include <gtest/gtest.h>

#include "model/archive/member_path.h"
#include "tests/support/case_name.h"

namespace tarnwick {
namespace {

// What a name becomes: its path, "renamed" when it is not the stored name
// with its folders, or "refused: " and why.
std::string Made(const MemberPath& path)
{
    if (path.refused())
        return "refused: " + path.reason;
    return path.path + (path.renamed ? " (renamed: " + path.reason + ")" : "");
}

struct NameCase {
    const char* name;
    std::string stored;
    std::string made;
};

void PrintTo(const NameCase& row, std::ostream* out) { *out << row.name; }

class MemberName : public testing::TestWithParam<NameCase> {};

TEST_P(MemberName, BecomesAPathInsideTheFolderOrIsRefused)
{
    const NameCase& row = GetParam();
    const MemberPath path = SafeMemberPath(row.stored);
    EXPECT_EQ(Made(path), row.made);
    EXPECT_EQ(path.renamed, !path.refused() && !path.reason.empty());
}

const std::string kDropped = " (renamed: empty and \".\" parts were dropped)";
const std::string kInvalid = " (renamed: characters Windows does not allow became _)";
const std::string kReserved = " (renamed: a name Windows reserves gained a leading _)";
const std::string kTrailing = " (renamed: trailing dots or spaces became _)";
const std::string kNotUtf8 = " (renamed: bytes that are not UTF-8 became _)";
const std::string kClimbs = "refused: the name climbs out of its folder with \"..\"";

INSTANTIATE_TEST_SUITE_P(
    Names, MemberName,
    testing::Values(
        NameCase{"a plain name", "a.iff", "a.iff"},
        NameCase{"a folder by backslash", "People\\maid.iff", "People/maid.iff"},
        NameCase{"a folder by slash", "People/maid.iff", "People/maid.iff"},
        NameCase{"UTF-8 kept", "caf\xC3\xA9.iff", "caf\xC3\xA9.iff"},
        NameCase{"a parent folder", "..\\..\\evil.iff", kClimbs},
        NameCase{"a parent folder inside", "a\\..\\..\\b.iff", kClimbs},
        NameCase{"a parent folder last", "a/..", kClimbs},
        NameCase{"a dot folder", ".\\a.iff", "a.iff" + kDropped},
        NameCase{"a doubled separator", "a\\\\b.iff", "a/b.iff" + kDropped},
        NameCase{"a trailing separator", "a\\", "a" + kDropped},
        NameCase{"a leading backslash", "\\a.iff", "a.iff (renamed: a leading separator was dropped)"},
        NameCase{"a leading slash", "/etc/passwd", "etc/passwd (renamed: a leading separator was dropped)"},
        NameCase{"a network path", "\\\\server\\share\\a.iff",
                 "server/share/a.iff (renamed: a leading separator was dropped)"},
        NameCase{"a drive and a folder", "C:\\Windows\\a.iff",
                 "Windows/a.iff (renamed: a drive letter was dropped)"},
        NameCase{"a drive-relative name", "c:a.iff", "a.iff (renamed: a drive letter was dropped)"},
        NameCase{"a drive alone", "C:", "refused: the name is empty"},
        NameCase{"an empty name", "", "refused: the name is empty"},
        NameCase{"a separator alone", "\\", "refused: the name is empty"},
        NameCase{"dots and separators alone", "./.\\", "refused: the name is empty"},
        NameCase{"CON", "CON", "_CON" + kReserved},
        NameCase{"con with an extension", "con.iff", "_con.iff" + kReserved},
        NameCase{"LPT9 with two extensions", "Lpt9.txt.iff", "_Lpt9.txt.iff" + kReserved},
        NameCase{"AUX in a folder", "People\\AUX.iff", "People/_AUX.iff" + kReserved},
        NameCase{"NUL as a folder", "nul\\a.iff", "_nul/a.iff" + kReserved},
        NameCase{"CON and spaces before its extension", "con  .iff", "_con  .iff" + kReserved},
        NameCase{"COM0 is not reserved", "COM0.iff", "COM0.iff"},
        NameCase{"CONSOLE is not reserved", "CONSOLE.iff", "CONSOLE.iff"},
        NameCase{"a trailing dot", "a.iff.", "a.iff_" + kTrailing},
        NameCase{"trailing spaces", "a.iff  ", "a.iff__" + kTrailing},
        NameCase{"a folder with a trailing dot", "folder.\\a.iff", "folder_/a.iff" + kTrailing},
        NameCase{"three dots", "...", "___" + kTrailing},
        NameCase{"characters Windows does not allow", "a<b>c:d\"e|f?g*h.iff",
                 "a_b_c_d_e_f_g_h.iff" + kInvalid},
        NameCase{"a stream of a file", "a.iff:hidden", "a.iff_hidden" + kInvalid},
        NameCase{"control bytes and NUL",
                 std::string("a\x01"
                             "b\0c\x7F.iff",
                             10),
                 "a_b_c_.iff" + kInvalid},
        NameCase{"a Latin-1 byte", "caf\xE9.iff", "caf_.iff" + kNotUtf8},
        NameCase{"an overlong slash",
                 "a\xC0\xAF"
                 "b",
                 "a__b" + kNotUtf8},
        NameCase{"a surrogate", "a\xED\xA0\x80", "a___" + kNotUtf8},
        NameCase{"a sequence cut short", "a\xE2\x82", "a__" + kNotUtf8},
        NameCase{"past U+10FFFF", "\xF4\x90\x80\x80", "____" + kNotUtf8},
        NameCase{
            "every change at once", "\\C:\\.\\con.\\caf\xE9?.iff ",
            "con_/caf__.iff_ (renamed: a leading separator was dropped; a drive letter was dropped; empty "
            "and "
            "\".\" parts were dropped; characters Windows does not allow became _; bytes that are not UTF-8 "
            "became _; trailing dots or spaces became _)"},
        NameCase{"a part of 255 bytes", std::string(255, 'a'), std::string(255, 'a')},
        NameCase{"a part of 256 bytes", "x\\" + std::string(256, 'a'),
                 "refused: a part of the name is longer than 255 bytes"}),
    fixtures::RowName());

// The paths of several members: no two share a file, whatever their case.
struct PlanCase {
    const char* name;
    std::vector<FarMember> members;
    std::vector<std::string> made;
};

void PrintTo(const PlanCase& row, std::ostream* out) { *out << row.name; }

FarMember Named(std::string name, std::string damage = "")
{
    return {std::move(name), 16, 1, std::move(damage)};
}

class MemberPlan : public testing::TestWithParam<PlanCase> {};

TEST_P(MemberPlan, GivesEachMemberAFileOfItsOwn)
{
    const PlanCase& row = GetParam();
    std::vector<std::string> made;
    for (const MemberPath& path : PlanMemberPaths(row.members))
        made.push_back(Made(path));
    EXPECT_EQ(made, row.made);
}

const std::string kSame = " (renamed: an earlier member has the same name)";

INSTANTIATE_TEST_SUITE_P(
    Plans, MemberPlan,
    testing::Values(
        PlanCase{"distinct names", {Named("a.iff"), Named("People\\a.iff")}, {"a.iff", "People/a.iff"}},
        PlanCase{"the same name thrice",
                 {Named("a.iff"), Named("a.iff"), Named("a.iff")},
                 {"a.iff", "a (2).iff" + kSame, "a (3).iff" + kSame}},
        PlanCase{"names differing in case", {Named("a.iff"), Named("A.IFF")}, {"a.iff", "A (2).IFF" + kSame}},
        PlanCase{"a renamed name taken too",
                 {Named("a.iff"), Named("a (2).iff"), Named("A.iff")},
                 {"a.iff", "a (2).iff", "A (3).iff" + kSame}},
        PlanCase{"two names cleaned to one",
                 {Named("a<.iff"), Named("a_.iff")},
                 {"a_.iff" + kInvalid, "a_ (2).iff" + kSame}},
        PlanCase{"a reserved name and its cleaned form",
                 {Named("_con"), Named("con")},
                 {"_con",
                  "_con (2) (renamed: a name Windows reserves gained a leading _; an earlier member has the "
                  "same name)"}},
        PlanCase{"a name without an extension",
                 {Named("read me"), Named("READ ME")},
                 {"read me", "READ ME (2)" + kSame}},
        PlanCase{"a dot only in the folder",
                 {Named("v1.0\\a"), Named("v1.0\\a")},
                 {"v1.0/a", "v1.0/a (2)" + kSame}},
        PlanCase{"a file where a later folder goes",
                 {Named("People"), Named("people\\maid.iff")},
                 {"People", "refused: a folder of its path is another member's file"}},
        PlanCase{"a folder where a later file goes",
                 {Named("People\\maid.iff"), Named("PEOPLE")},
                 {"People/maid.iff", "PEOPLE (2)" + kSame}},
        PlanCase{"a damaged member",
                 {Named("a.iff", "its two sizes differ (1 and 2)"), Named("a.iff")},
                 {"refused: its two sizes differ (1 and 2)", "a.iff"}},
        PlanCase{"a refused name takes no place", {Named("..\\a.iff"), Named("a.iff")}, {kClimbs, "a.iff"}}),
    fixtures::RowName());

}  // namespace
}  // namespace tarnwick
