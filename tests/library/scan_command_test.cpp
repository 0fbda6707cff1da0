// "tarnwick scan": what it prints and the status it ends with.
#include "library/scan_command.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "library/scan_output.h"
#include "synth/library_tree_builder.h"
#include "synth/temp_dir.h"
#include "tests/support/case_name.h"

namespace tarnwick::library {
namespace {

namespace fs = std::filesystem;

struct CommandRun {
    int status = 0;
    std::string out;
    std::string errors;
};

std::string ReadBack(std::FILE* file)
{
    std::rewind(file);
    std::string text;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file))
        text += static_cast<char>(c);
    std::fclose(file);
    return text;
}

// The command run with `dir` written as "ROOT" in what it prints.
CommandRun Command(const fixtures::TempDir& dir, const std::vector<std::string>& arguments)
{
    std::FILE* out = std::tmpfile();
    std::FILE* errors = std::tmpfile();
    CommandRun run;
    run.status = RunScanCommand(arguments, out, errors);
    run.out = ReadBack(out);
    run.errors = ReadBack(errors);
    const std::string root = dir.Path().string();
    for (std::size_t at = run.out.find(root); at != std::string::npos; at = run.out.find(root, at))
        run.out.replace(at, root.size(), "ROOT");
    return run;
}

TEST(ScanCommand, PrintsTheConflictTreeAsTsv)
{
    const fixtures::TempDir dir;
    fixtures::WriteConflictTree(dir.Path());
    const CommandRun run = Command(dir, {dir.Path().string(), "--conflicts", "--no-cache"});
    EXPECT_EQ(run.status, 1);  // different objects share a GUID, and a file is damaged
    EXPECT_EQ(run.errors, "");
    const std::string expected =
        "class\tguid\tlabel\tname\tfile\tmember\n"
        "Different objects\t4C4D0001\tChair\tDining Chair\tROOT/Downloads/Chair.iff\t\n"
        "Different objects\t4C4D0001\tLamp\tFloor Lamp\tROOT/Downloads/Lamp.iff\t\n"
        "Versions of one object\t4C4D0002\tSofa\tCorner Sofa\tROOT/Downloads/Old/Sofa.iff\t\n"
        "Versions of one object\t4C4D0002\tSofa\tCorner Sofa\tROOT/Downloads/Sofa.iff\t\n"
        "Identical copies\t4C4D0003\tRug\tWoven Rug\tROOT/Downloads/Copies/Rug.iff\t\n"
        "Identical copies\t4C4D0003\tRug\tWoven Rug\tROOT/Downloads/Rug.iff\t\n"
        "Overrides\t4C4D0004\tTable\tOak Table (walnut)\tROOT/Downloads/Table recolour.iff\t\n"
        "Overrides\t4C4D0004\tTable\tOak Table\tROOT/GameData/Objects/Table.iff\t\n"
        "\n"
        "guid\toriginal guid\tname\tprice\tobjd id\tlabel\ttiles\tchunk\tfile\tmember\n"
        "4C4D0006\t00000000\tMarble Bust\t450\t128\tBust\tsingle\t1\tROOT/Downloads/Broken.iff\t\n"
        "4C4D0001\t00000000\tDining Chair\t80\t128\tChair\tsingle\t1\tROOT/Downloads/Chair.iff\t\n"
        "4C4D0003\t00000000\tWoven Rug\t120\t128\tRug\tsingle\t1\tROOT/Downloads/Copies/Rug.iff\t\n"
        "4C4D0001\t00000000\tFloor Lamp\t60\t128\tLamp\tsingle\t1\tROOT/Downloads/Lamp.iff\t\n"
        "4C4D0002\t00000000\tCorner Sofa\t850\t128\tSofa\tsingle\t1\tROOT/Downloads/Old/Sofa.iff\t\n"
        "4C4D0003\t00000000\tWoven Rug\t120\t128\tRug\tsingle\t1\tROOT/Downloads/Rug.iff\t\n"
        "4C4D0002\t00000000\tCorner Sofa\t900\t128\tSofa\tsingle\t1\tROOT/Downloads/Sofa.iff\t\n"
        "4C4D0004\t4C4D0004\tOak Table (walnut)\t300\t128\tTable\tsingle\t1\tROOT/Downloads/Table "
        "recolour.iff\t\n"
        "4C4D0005\t00000000\tTall Vase\t45\t128\tVase\tsingle\t1\tROOT/Downloads/Vase.iff\t\n"
        "4C4D0004\t00000000\tOak Table\t300\t128\tTable\tsingle\t1\tROOT/GameData/Objects/Table.iff\t\n"
        "\n"
        "file\tmember\tsize\tchunks\tobjects\tdamage\tunknown types\tnotes\n"
        "ROOT/Downloads/Broken.iff\t\t715\t3\t1\tchunk 3 (BMP_): size field 332 runs past the end of the "
        "file, 232 "
        "bytes on\t\t\n"
        "ROOT/Downloads/Chair.iff\t\t486\t2\t1\t\t\t\n"
        "ROOT/Downloads/Copies/Rug.iff\t\t1066\t3\t1\t\t\t\n"
        "ROOT/Downloads/Lamp.iff\t\t481\t2\t1\t\t\t\n"
        "ROOT/Downloads/Old/Sofa.iff\t\t483\t2\t1\t\t\t\n"
        "ROOT/Downloads/Rug.iff\t\t1066\t3\t1\t\t\t\n"
        "ROOT/Downloads/Sofa.iff\t\t483\t2\t1\t\t\t\n"
        "ROOT/Downloads/Table recolour.iff\t\t498\t2\t1\t\t\t\n"
        "ROOT/Downloads/Vase.iff\t\t811\t3\t1\t\t\t\n"
        "ROOT/GameData/Objects/Table.iff\t\t480\t2\t1\t\t\t\n"
        "\n";
    EXPECT_EQ(run.out, expected);
}

TEST(ScanCommand, EndsWellWithoutHarm)
{
    const fixtures::TempDir dir;
    fixtures::WriteFile(dir.Path() / "a.iff", fixtures::ObjectFileBytes({.guid = 1, .label = "a"}));
    fixtures::WriteFile(dir.Path() / "copy" / "a.iff", fixtures::ObjectFileBytes({.guid = 1, .label = "a"}));
    const CommandRun run = Command(dir, {dir.Path().string(), "--no-cache"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.find("class\t"), std::string::npos);  // conflicts only when asked
}

struct UsageRow {
    const char* name;
    std::vector<std::string> arguments;
    std::string error;
};

class ScanUsage : public testing::TestWithParam<UsageRow> {};

TEST_P(ScanUsage, IsRefusedWithALine)
{
    const fixtures::TempDir dir;
    const CommandRun run = Command(dir, GetParam().arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.errors.substr(0, run.errors.find('\n')), "tarnwick scan: " + GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ScanUsage,
    testing::Values(UsageRow{"no folder", {"--conflicts"}, "give a folder to scan"},
                    UsageRow{"format missing", {"x", "--format"}, "--format needs tsv or json"},
                    UsageRow{"unknown format", {"x", "--format=xml"}, "unknown format \"xml\": tsv or json"},
                    UsageRow{"unknown option", {"x", "--fast"}, "unknown option --fast"}),
    fixtures::RowName());

TEST(ScanOutput, JsonEscapesEveryTextAndTsvItsSeparators)
{
    FileRecord file;
    file.path = "/odd\t\"name\"\\caf\xE9.iff";  // not UTF-8: shown as Windows-1252
    file.damage = {"line\none", "\x01"};
    ObjectRecord object;
    object.guid = 0xABCDEF01;
    object.label = "Quote \" and \\";
    object.names = {{1, "Na\xEFve\x7F", CodePage::Windows1252}};
    file.objects = {object};
    const std::vector<FileRecord> files = {file};
    const std::string json = FormatScan(files, {}, true, OutputFormat::Json);
    EXPECT_EQ(
        json,
        "{\n"
        "  \"conflicts\": [],\n"
        "  \"objects\": [\n"
        "    {\"guid\": \"ABCDEF01\", \"original guid\": \"00000000\", \"name\": \"Na\xC3\xAFve\\u007f\", "
        "\"price\": 0, \"objd id\": 0, \"label\": \"Quote \\\" and \\\\\", \"tiles\": \"single\", "
        "\"chunk\": 0, \"file\": \"/odd\\t\\\"name\\\"\\\\caf\xC3\xA9.iff\", \"member\": \"\"}\n"
        "  ],\n"
        "  \"files\": [\n"
        "    {\"file\": \"/odd\\t\\\"name\\\"\\\\caf\xC3\xA9.iff\", \"member\": \"\", \"size\": 0, "
        "\"chunks\": 0, \"objects\": 1, \"damage\": \"line\\none; \\u0001\", \"unknown types\": \"\", "
        "\"notes\": \"\"}\n"
        "  ]\n"
        "}\n");
    const std::string tsv = FormatScan(files, {}, false, OutputFormat::Tsv);
    EXPECT_NE(tsv.find("\t/odd\\t\"name\"\\\\caf\xC3\xA9.iff\t"), std::string::npos) << tsv;
    EXPECT_NE(tsv.find("\tline\\none; \x01\t"), std::string::npos) << tsv;
}

struct TilesRow {
    const char* name;
    std::uint16_t master;
    std::int16_t subIndex;
    std::string text;
};

class Tiles : public testing::TestWithParam<TilesRow> {};

TEST_P(Tiles, AreNamed)
{
    ObjectRecord object;
    object.masterId = GetParam().master;
    object.subIndex = GetParam().subIndex;
    EXPECT_EQ(TilesText(object), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Objects, Tiles,
                         testing::Values(TilesRow{"single", 0, 0, "single"},
                                         TilesRow{"lead", 16, -1, "lead of group 16"},
                                         TilesRow{"tile at the origin", 16, 0, "tile (0, 0) of group 16"},
                                         TilesRow{"tile one across", 16, 0x0100, "tile (1, 0) of group 16"},
                                         TilesRow{"tile one back", 16, 0x00FF, "tile (0, -1) of group 16"}),
                         fixtures::RowName());

}  // namespace
}  // namespace tarnwick::library
