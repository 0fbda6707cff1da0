#include "system/valve_key_values.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "synth/temp_dir.h"
#include "tests/support/case_name.h"

namespace tarnwick {
namespace {

// A library list as Steam on Windows writes it, byte by byte:
//   "libraryfolders"\n{\n\t"0"\n\t{\n\t\t"path"\t\t"C:\\S"\n\t}\n}\n
constexpr unsigned char kLibraryList[] = {
    0x22, 0x6C, 0x69, 0x62, 0x72, 0x61, 0x72, 0x79, 0x66, 0x6F,
    0x6C, 0x64, 0x65, 0x72, 0x73, 0x22,                          // "libraryfolders"
    0x0A, 0x7B, 0x0A,                                            // \n{\n
    0x09, 0x22, 0x30, 0x22, 0x0A, 0x09, 0x7B, 0x0A,              // \t"0"\n\t{\n
    0x09, 0x09, 0x22, 0x70, 0x61, 0x74, 0x68, 0x22, 0x09, 0x09,  // \t\t"path"\t\t
    0x22, 0x43, 0x3A, 0x5C, 0x5C, 0x53, 0x22, 0x0A,              // "C:\\S"\n
    0x09, 0x7D, 0x0A, 0x7D, 0x0A,                                // \t}\n}\n
};

TEST(ValveKeyValues, ReadsBlocksAndUndoesDoubledBackslashes)
{
    const KeyValueRead read =
        ReadKeyValues(std::string_view(reinterpret_cast<const char*>(kLibraryList), sizeof kLibraryList));
    ASSERT_EQ(read.Error, "");
    ASSERT_EQ(read.Entries.size(), 1u);
    const KeyValue& list = read.Entries[0];
    EXPECT_TRUE(list.IsBlock);
    EXPECT_EQ(list.Key, "libraryfolders");
    ASSERT_NE(list.Find("0"), nullptr);
    ASSERT_NE(list.Find("0")->Find("PATH"), nullptr);  // keys match ignoring case
    EXPECT_EQ(list.Find("0")->Find("path")->Value, "C:\\S");
    EXPECT_EQ(list.Find("1"), nullptr);
}

struct GoodCase {
    const char* name;
    std::string text;
    std::string flattened;  // key=value, {key: ...} for blocks
    friend void PrintTo(const GoodCase& row, std::ostream* out) { *out << row.name; }
};

std::string Flatten(const std::vector<KeyValue>& entries)
{
    std::string text;
    for (const KeyValue& entry : entries) {
        if (!text.empty())
            text += ' ';
        text += entry.IsBlock ? "{" + entry.Key + ": " + Flatten(entry.Children) + "}"
                              : entry.Key + "=" + entry.Value;
    }
    return text;
}

class ValveKeyValuesGood : public testing::TestWithParam<GoodCase> {};

TEST_P(ValveKeyValuesGood, ReadsTheEntries)
{
    const KeyValueRead read = ReadKeyValues(GetParam().text);
    EXPECT_EQ(read.Error, "");
    EXPECT_EQ(Flatten(read.Entries), GetParam().flattened);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ValveKeyValuesGood,
    testing::Values(GoodCase{"empty text", "", ""}, GoodCase{"only a comment", "// nothing\n", ""},
                    GoodCase{"old library list", "\"LibraryFolders\"\n{\n\t\"1\"\t\t\"/mnt/games\"\n}\n",
                             "{LibraryFolders: 1=/mnt/games}"},
                    GoodCase{"bare tokens", "a b\nc { d e }", "a=b {c: d=e}"},
                    GoodCase{"escapes", R"("k" "a\"b\\c\nd\te")", "k=a\"b\\c\nd\te"},
                    GoodCase{"comments between tokens", "\"a\" // x\n \"b\" // y\n", "a=b"},
                    GoodCase{"conditions are passed over", "\"a\" \"b\" [$WIN32]\n\"c\" [$OSX] { }",
                             "a=b {c: }"},
                    GoodCase{"empty values", "\"a\" \"\" \"\" \"b\"", "a= =b"},
                    GoodCase{"bytes beyond ASCII kept", "\"path\" \"/home/\xD0\x98\xD0\xB2\"",
                             "path=/home/\xD0\x98\xD0\xB2"},
                    GoodCase{"CRLF lines", "\"a\"\r\n{\r\n\"b\" \"c\"\r\n}\r\n", "{a: b=c}"}),
    fixtures::RowName());

struct BadCase {
    const char* name;
    std::string text;
    std::string error;
    friend void PrintTo(const BadCase& row, std::ostream* out) { *out << row.name; }
};

class ValveKeyValuesBad : public testing::TestWithParam<BadCase> {};

TEST_P(ValveKeyValuesBad, RefusesTheTextWithALine)
{
    const KeyValueRead read = ReadKeyValues(GetParam().text);
    EXPECT_EQ(read.Error, GetParam().error);
    EXPECT_TRUE(read.Entries.empty());
}

std::string Nested(std::size_t depth)
{
    std::string text;
    for (std::size_t i = 0; i < depth; ++i)
        text += "a{";
    return text + std::string(depth, '}');
}

std::string ManyEntries(std::size_t count)
{
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += "a b\n";
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ValveKeyValuesBad,
    testing::Values(
        BadCase{"cut inside a quoted text", "\"libraryfolders\"\n{\n\"0\" \"/mn",
                "line 3: a quoted text does not end"},
        BadCase{"cut inside a block", "\"libraryfolders\"\n{\n\"0\" \"/mnt\"\n",
                "line 1: a block opened here is not closed"},
        BadCase{"cut after a key", "\"a\"\n{\n\"b\"", "line 3: the key \"b\" has no value"},
        BadCase{"a key then a closing brace", "a { b }", "line 1: the key \"b\" has no value"},
        BadCase{"a closing brace too many", "a b\n}", "line 2: a closing brace without its block"},
        BadCase{"a block without a key", "{ a b }", "line 1: a block without a key"},
        BadCase{"a condition that does not end", "a b [$WIN32\n", "line 1: a condition does not end"},
        BadCase{"nested 10,000 deep", Nested(10'000), "line 1: blocks nested deeper than 32"},
        BadCase{"nested one too deep", Nested(kKeyValueMaxDepth + 1), "line 1: blocks nested deeper than 32"},
        BadCase{"too many entries", ManyEntries(kKeyValueMaxEntries + 1),
                "line 200001: more than 200000 entries"}),
    fixtures::RowName());

TEST(ValveKeyValues, ReadsBlocksNestedToTheBound)
{
    const KeyValueRead read = ReadKeyValues(Nested(kKeyValueMaxDepth));
    EXPECT_EQ(read.Error, "");
    EXPECT_EQ(read.Entries.size(), 1u);
}

TEST(ValveKeyValues, RefusesAHundredMegabyteFileUnread)
{
    fixtures::TempDir dir;
    const auto file = dir.Path() / "libraryfolders.vdf";
    std::ofstream(file).put('"');
    std::filesystem::resize_file(file, 100u << 20);  // sparse: costs no disk
    EXPECT_EQ(LoadKeyValues(file).Error, "larger than 16 MiB");
}

TEST(ValveKeyValues, RefusesAFolderAndAMissingFile)
{
    fixtures::TempDir dir;
    EXPECT_EQ(LoadKeyValues(dir.Path()).Error, "not a file");
    EXPECT_NE(LoadKeyValues(dir.Path() / "none.vdf").Error, "");
}

}  // namespace
}  // namespace tarnwick
