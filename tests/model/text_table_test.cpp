#include "model/decoders/text_table.h"

#include <gtest/gtest.h>

#include "synth/text_table_builder.h"

namespace tarnwick {
namespace {

using fixtures::Bytes;
using fixtures::Concat;
using fixtures::TextRecord;
using fixtures::TextTableBody;
using Layout = TextTableLayout;
constexpr CodePage k1252 = CodePage::Windows1252;

TEST(DecodeTextTable, ReadsEveryLayoutAndLanguage)
{
    const std::string longText(133, 'x');  // a two-byte length: 0x85 0x01
    const struct {
        const char* name;
        Bytes body;
        Layout layout;
        std::vector<TextEntry> entries;
        std::size_t trailing = 0;
    } rows[] = {
        {"Pascal with a big-endian count",
         TextTableBody(Layout::Pascal, {{1, "Hi", ""}, {1, "Yo", ""}}),
         Layout::Pascal,
         {{0, 1, "Hi", "", k1252}, {1, 1, "Yo", "", k1252}}},
        {"Pascal with a little-endian count",
         TextTableBody(Layout::Pascal, {{1, "Hi", ""}, {1, "Yo", ""}}, true),
         Layout::Pascal,
         {{0, 1, "Hi", "", k1252}, {1, 1, "Yo", "", k1252}}},
        {"Pascal after a 00 00 code",
         Concat({{0, 0}, TextTableBody(Layout::Pascal, {{1, "A", ""}}, true)}),
         Layout::Pascal,
         {{0, 1, "A", "", k1252}}},
        {"Pascal whose count fits but leaves bytes",
         Concat({TextTableBody(Layout::Pascal, {{1, "A", ""}}), {7}}),
         Layout::Pascal,
         {{0, 1, "A", "", k1252}},
         1},
        {"two zero bytes are an empty table", {0, 0}, Layout::Pascal, {}},
        {"FF FF, with leftovers after it",
         Concat({TextTableBody(Layout::Plain, {{1, "a", ""}}), {0x15, 0, 0}}),
         Layout::Plain,
         {{0, 1, "a", "", k1252}},
         3},
        {"FE FF with comments",
         TextTableBody(Layout::WithComments, {{1, "v", "c"}, {1, "w", ""}}),
         Layout::WithComments,
         {{0, 1, "v", "c", k1252}, {1, 1, "w", "", k1252}}},
        {"FD FF numbers each language's strings apart, ignoring the A3 filler",
         Concat({TextTableBody(Layout::Languages, {{1, "Towel", "n"},
                                                   {16, "Koc", ""},
                                                   {1, "Soap", ""},
                                                   {15, "\x83\x5E", ""},
                                                   {16, "Myd\xB3o", ""},
                                                   {25, "?", ""}}),
                 Bytes(6, 0xA3)}),
         Layout::Languages,
         {{0, 1, "Towel", "n", k1252},
          {0, 16, "Koc", "", CodePage::Windows1250},
          {1, 1, "Soap", "", k1252},
          {0, 15, "\x83\x5E", "", CodePage::ShiftJis},
          {1, 16, "Myd\xB3o", "", CodePage::Windows1250},
          {0, 25, "?", "", k1252}},
         6},
        {"FC FF takes the language from the set, and long lengths",
         [&] {
             Bytes body = TextTableBody(Layout::LanguageSets,
                                        {{1, "Bath", "c"}, {17, "\xE6\xB5\xB4", ""}, {18, longText, ""}});
             body[5] = 0xFF;  // set 0's language byte, as some files have it
             return body;
         }(),
         Layout::LanguageSets,
         {{0, 1, "Bath", "c", CodePage::Utf8},
          {0, 17, "\xE6\xB5\xB4", "", CodePage::Utf8},
          {0, 18, longText, "", CodePage::Utf8}}},
    };
    for (const auto& row : rows) {
        const Decoded<TextTable> table = DecodeTextTable(row.body);
        ASSERT_TRUE(table.value) << row.name << ": " << table.declined;
        EXPECT_EQ(table.value->layout, row.layout) << row.name;
        EXPECT_EQ(table.value->entries, row.entries) << row.name;
        EXPECT_EQ(table.value->trailingBytes, row.trailing) << row.name;
        EXPECT_EQ(table.value->warning, "") << row.name;
    }
}

TEST(DecodeTextTable, KeepsWhatItReadOrDeclines)
{
    const Bytes languages = TextTableBody(Layout::Languages, {{1, "one", ""}, {2, "two", "x"}});
    const Bytes sets = TextTableBody(Layout::LanguageSets, {{1, "one", ""}, {2, "two", ""}});
    const struct {
        const char* name;
        Bytes body;
        std::size_t entries;  // read before the end; declined when npos
    } rows[] = {
        {"a table cut in its last comment", Bytes(languages.begin(), languages.end() - 1), 1},
        {"a table cut in its last language byte", Bytes(languages.begin(), languages.begin() + 10), 1},
        {"language sets cut in the second set", Bytes(sets.begin(), sets.begin() + 17), 1},
        {"language sets cut before a set count", Bytes(sets.begin(), sets.begin() + 12), 1},
        {"a count far past the strings", Concat({{0xFF, 0xFF, 0xFF, 0xFF}, {'a', 0}}), 1},
        {"a layout code and no count", {0xFF, 0xFF}, std::string::npos},
        {"one byte", {0xFF}, std::string::npos},
        {"language sets without their number", {0xFC, 0xFF}, std::string::npos},
        {"a Pascal count no reading fits", {0x00, 0x09, 2, 'a'}, std::string::npos},
    };
    for (const auto& row : rows) {
        const Decoded<TextTable> table = DecodeTextTable(row.body);
        if (row.entries == std::string::npos) {
            EXPECT_FALSE(table.value) << row.name;
            EXPECT_NE(table.declined, "") << row.name;
            continue;
        }
        ASSERT_TRUE(table.value) << row.name;
        EXPECT_EQ(table.value->entries.size(), row.entries) << row.name;
        EXPECT_NE(table.value->warning, "") << row.name;
    }
}

TEST(FindText, FallsBackToEnglishThenToAnyLanguage)
{
    const TextTable table{Layout::Languages,
                          {{0, 5, "Nom", "", k1252}, {0, 1, "Name", "", k1252}, {1, 5, "Prix", "", k1252}},
                          0,
                          {}};
    const struct {
        std::size_t index;
        int language;
        const char* found;  // nullptr: none
    } rows[] = {{0, 5, "Nom"}, {0, 1, "Name"}, {0, 9, "Name"}, {1, 1, "Prix"}, {2, 1, nullptr}};
    for (const auto& row : rows) {
        const TextEntry* entry = FindText(table, row.index, row.language);
        EXPECT_EQ(entry == nullptr, row.found == nullptr) << row.index << " " << row.language;
        if (row.found != nullptr && entry != nullptr) {
            EXPECT_EQ(entry->value, row.found) << row.index << " " << row.language;
        }
    }
}

// Tables written out by hand from the format's description, not by a builder.
TEST(DecodeTextTable, ReadsTablesWrittenByHand)
{
    const std::string long133(133, 'x');
    const struct {
        const char* name;
        Bytes body;
        Layout layout;
        std::vector<TextEntry> entries;
        std::size_t trailing;
    } rows[] = {
        {"Pascal, count big-endian",
         {
             0x00, 0x02,           // two strings
             0x02, 'H', 'i',       // "Hi"
             0x03, 'Y', 'o', 'u',  // "You"
         },
         Layout::Pascal,
         {{0, 1, "Hi", "", k1252}, {1, 1, "You", "", k1252}},
         0},
        {"Pascal, count little-endian",
         {
             0x02, 0x00,           // two strings; read big-endian, 512 would overrun
             0x02, 'H', 'i',       // "Hi"
             0x03, 'Y', 'o', 'u',  // "You"
         },
         Layout::Pascal,
         {{0, 1, "Hi", "", k1252}, {1, 1, "You", "", k1252}},
         0},
        {"FF FF",
         {
             0xFF, 0xFF, 0x02, 0x00,  // plain C strings, two
             'a', 0x00,               // "a"
             'b', 'c', 0x00,          // "bc"
         },
         Layout::Plain,
         {{0, 1, "a", "", k1252}, {1, 1, "bc", "", k1252}},
         0},
        {"FE FF with leftovers",
         {
             0xFE, 0xFF, 0x01, 0x00,  // value and comment, one pair
             'v', 0x00, 'c', 0x00,    // "v", comment "c"
             0x15, 0x00, 0x00,        // leftovers
         },
         Layout::WithComments,
         {{0, 1, "v", "c", k1252}},
         3},
        {"FD FF with filler",
         {
             0xFD, 0xFF, 0x04, 0x00,              // language, value and comment; four in all
             0x01, 'E',  'n',  0x00, 0x00,        // English (US) string 0: "En"
             0x03, 'F',  'r',  0x00, 'x',  0x00,  // French string 0: "Fr", comment "x"
             0x01, 'T',  'w',  'o',  0x00, 0x00,  // English (US) string 1: "Two"
             0x10, 0xB3, 0x00, 0x00,              // Polish string 0: "\xB3", Windows-1250
             0xA3, 0xA3, 0xA3, 0xA3,              // filler, one byte an entry
         },
         Layout::Languages,
         {{0, 1, "En", "", k1252},
          {0, 3, "Fr", "x", k1252},
          {1, 1, "Two", "", k1252},
          {0, 16, "\xB3", "", CodePage::Windows1250}},
         4},
        {"FC FF with a two-byte length",
         fixtures::Concat({
             {
                 0xFC, 0xFF,  // language sets
                 0x02,        // two sets
                 0x01, 0x00,  // set 0, English (US): one entry
                 0x00,        //   its language byte, ignored
                 0x85, 0x01,  //   value length 5 + 1 * 128 = 133:
             },
             Bytes(133, 'x'),
             {
                 0x01, 'c',   //   comment length 1: "c"
                 0x01, 0x00,  // set 1, English (UK): one entry
                 0xFF,        //   its language byte, ignored
                 0x02, 'h',   //   value length 2: "hi"
                 'i', 0x00,   //   comment length 0
             },
         }),
         Layout::LanguageSets,
         {{0, 1, long133, "c", CodePage::Utf8}, {0, 2, "hi", "", CodePage::Utf8}},
         0},
    };
    for (const auto& row : rows) {
        const Decoded<TextTable> table = DecodeTextTable(row.body);
        ASSERT_TRUE(table.value) << row.name << ": " << table.declined;
        EXPECT_EQ(table.value->layout, row.layout) << row.name;
        EXPECT_EQ(table.value->entries, row.entries) << row.name;
        EXPECT_EQ(table.value->trailingBytes, row.trailing) << row.name;
        EXPECT_EQ(table.value->warning, "") << row.name;
    }
}

}  // namespace
}  // namespace tarnwick
