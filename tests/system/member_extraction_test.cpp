// Members written out of an archive: each hostile name lands inside the
// chosen folder or is refused, and nothing outside that folder changes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "synth/far_builder.h"
#include "synth/temp_dir.h"
#include "system/member_extraction.h"
#include "tests/support/case_name.h"

namespace tarnwick {
namespace {

namespace fs = std::filesystem;
using fixtures::Bytes;

// Every entry under `root`, links not followed, with a file's size or a link's target.
std::vector<std::string> Tree(const fs::path& root)
{
    std::vector<std::string> tree;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        const fs::path relative = it->path().lexically_relative(root);
        if (it->is_symlink())
            tree.push_back(relative.string() + " -> " + fs::read_symlink(it->path()).string());
        else if (it->is_regular_file())
            tree.push_back(relative.string() + " " + std::to_string(it->file_size()));
        else
            tree.push_back(relative.string() + "/");
    }
    std::sort(tree.begin(), tree.end());
    return tree;
}

std::string Contents(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string Line(const ExtractedMember& member)
{
    switch (member.outcome) {
    case ExtractionOutcome::Written:
        return "written " + member.path;
    case ExtractionOutcome::Renamed:
        return "renamed " + member.path + " (" + member.reason + ")";
    case ExtractionOutcome::Refused:
        break;
    }
    return "refused: " + member.reason;
}

// The temporary folder: `outside/` with a file in it, and the chosen folder
// `chosen/` holding a link to `outside`, a link to a file not yet there, a
// file and a folder.
struct Scene {
    fixtures::TempDir root;
    fs::path chosen = root.Path() / "chosen";
    fs::path outside = root.Path() / "outside";

    Scene()
    {
        fs::create_directories(outside);
        fs::create_directories(chosen / "sub");
        root.Write("outside/secret.iff", fixtures::ToBytes("secret"));
        root.Write("chosen/taken.iff", fixtures::ToBytes("old"));
        fs::create_directory_symlink(outside, chosen / "link");
        fs::create_symlink(outside / "new.iff", chosen / "dangling.iff");
    }
};

struct ExtractCase {
    const char* name;
    std::vector<std::string> stored;
    std::vector<std::string> lines;
    bool replace = false;
};

void PrintTo(const ExtractCase& row, std::ostream* out) { *out << row.name; }

class ExtractAllMembers : public testing::TestWithParam<ExtractCase> {};

TEST_P(ExtractAllMembers, WritesOnlyInsideTheChosenFolder)
{
    const ExtractCase& row = GetParam();
    const Scene scene;
    fixtures::FarBuilder builder;
    for (const std::string& name : row.stored)
        builder.Member(name, fixtures::ToBytes("member " + name));
    const std::string archive = scene.root.Write("x.far", builder.Build());
    const std::vector<std::string> before = Tree(scene.root.Path());

    const FarManifest manifest = ReadFarManifest(archive);
    ExtractionOptions options;
    options.replaceExisting = [&](const std::string&) { return row.replace; };
    const std::vector<ExtractedMember> report = ExtractAll(archive, manifest, scene.chosen.string(), options);
    std::vector<std::string> lines;
    lines.reserve(report.size());
    for (const ExtractedMember& member : report)
        lines.push_back(Line(member));
    EXPECT_EQ(lines, row.lines);

    // Outside the chosen folder nothing changed; inside, what was written holds
    // its member's bytes as a file of its own, and no temporary file is left.
    const std::vector<std::string> after = Tree(scene.root.Path());
    const auto outsideChosen = [](const std::vector<std::string>& tree) {
        std::vector<std::string> kept;
        std::copy_if(tree.begin(), tree.end(), std::back_inserter(kept),
                     [](const std::string& entry) { return !entry.starts_with("chosen"); });
        return kept;
    };
    EXPECT_EQ(outsideChosen(after), outsideChosen(before));
    for (const std::string& entry : after)
        EXPECT_EQ(entry.find(".part"), std::string::npos) << entry;
    for (const ExtractedMember& member : report) {
        if (member.outcome == ExtractionOutcome::Refused)
            continue;
        EXPECT_FALSE(fs::is_symlink(scene.chosen / member.path)) << member.path;
        EXPECT_EQ(Contents(scene.chosen / member.path), "member " + member.name);
    }
    const bool replacedTaken = row.replace && row.stored[0] == "taken.iff";
    EXPECT_EQ(Contents(scene.chosen / "taken.iff"), replacedTaken ? "member taken.iff" : "old");
}

const std::string kClimbs = "refused: the name climbs out of its folder with \"..\"";
const std::string kKept = std::string("refused: ") + kAlreadyThere;

INSTANTIATE_TEST_SUITE_P(
    Names, ExtractAllMembers,
    testing::Values(
        ExtractCase{"a plain name", {"a.iff"}, {"written a.iff"}},
        ExtractCase{"a name in a folder", {"People\\maid.iff"}, {"written People/maid.iff"}},
        ExtractCase{"a parent folder", {"..\\outside\\evil.iff"}, {kClimbs}},
        ExtractCase{"a parent folder after a link", {"link\\..\\..\\evil.iff"}, {kClimbs}},
        ExtractCase{"a leading separator",
                    {"\\tmp\\evil.iff"},
                    {"renamed tmp/evil.iff (a leading separator was dropped)"}},
        ExtractCase{"a drive letter", {"C:\\evil.iff"}, {"renamed evil.iff (a drive letter was dropped)"}},
        ExtractCase{
            "a reserved name", {"CON"}, {"renamed _CON (a name Windows reserves gained a leading _)"}},
        ExtractCase{
            "a byte not UTF-8", {"caf\xE9.iff"}, {"renamed caf_.iff (bytes that are not UTF-8 became _)"}},
        ExtractCase{"a folder that is a link out",
                    {"link\\evil.iff"},
                    {"refused: its folder link is a link or a file, not followed"}},
        ExtractCase{"a folder that is a file",
                    {"taken.iff\\a.iff"},
                    {"refused: its folder taken.iff is a link or a file, not followed"}},
        ExtractCase{"a link's name, kept", {"link"}, {kKept}},
        ExtractCase{
            "a link's name, replaced: the link, not what it leads to", {"link"}, {"written link"}, true},
        ExtractCase{"a dangling link's name, replaced", {"dangling.iff"}, {"written dangling.iff"}, true},
        ExtractCase{"a file's name, kept", {"taken.iff"}, {kKept}},
        ExtractCase{"a file's name, replaced", {"taken.iff"}, {"written taken.iff"}, true},
        ExtractCase{"a folder's name, never replaced",
                    {"sub"},
                    {"refused: a folder of that name is already there"},
                    true},
        ExtractCase{"two names in different case",
                    {"a.iff", "A.IFF"},
                    {"written a.iff", "renamed A (2).IFF (an earlier member has the same name)"}},
        ExtractCase{"an empty name", {""}, {"refused: the name is empty"}}),
    fixtures::RowName());

// One member saved where a user chose, over a file there only when asked.
struct SaveCase {
    const char* name;
    std::string target;  // under the temporary folder
    bool replace;
    std::string line;
    std::string damage = "";
};

void PrintTo(const SaveCase& row, std::ostream* out) { *out << row.name; }

class SaveOneMember : public testing::TestWithParam<SaveCase> {};

TEST_P(SaveOneMember, WritesItWholeOrNotAtAll)
{
    const SaveCase& row = GetParam();
    const Scene scene;
    const std::string archive =
        scene.root.Write("x.far", fixtures::FarBuilder().Member("a.iff", fixtures::ToBytes("new")).Build());
    FarMember member = ReadFarManifest(archive).members.at(0);
    member.damage = row.damage;
    const std::vector<std::string> before = Tree(scene.root.Path());
    const std::string target = (scene.root.Path() / row.target).string();
    const ExtractedMember saved = SaveMemberAs(archive, member, target, row.replace);
    EXPECT_EQ(saved.outcome == ExtractionOutcome::Refused ? "refused: " + saved.reason : "written", row.line);
    if (saved.outcome == ExtractionOutcome::Refused) {
        EXPECT_EQ(Tree(scene.root.Path()), before);
    } else {
        EXPECT_EQ(saved.path, target);
        EXPECT_EQ(Contents(target), "new");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Targets, SaveOneMember,
    testing::Values(
        SaveCase{"a new file", "chosen/a.iff", false, "written"},
        SaveCase{"a file there, kept", "chosen/taken.iff", false, "refused: " + std::string(kAlreadyThere)},
        SaveCase{"a file there, replaced", "chosen/taken.iff", true, "written"},
        SaveCase{"a folder there", "chosen/sub", true, "refused: a folder of that name is already there"},
        SaveCase{"a folder that is not there", "missing/a.iff", false,
                 "refused: the folder cannot be opened: No such file or directory"},
        SaveCase{"a folder path", "chosen/", false, "refused: the chosen path names no file"},
        SaveCase{"a damaged member", "chosen/a.iff", false, "refused: its two sizes differ (3 and 4)",
                 "its two sizes differ (3 and 4)"}),
    fixtures::RowName());

}  // namespace
}  // namespace tarnwick
