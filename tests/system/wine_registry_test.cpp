// The registry read from a Wine prefix's system.reg, through the system registry
// interface, and the game folder looked up in it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "synth/temp_dir.h"
#include "system/game_path.h"
#include "system/registry.h"
#include "system/wine_prefix.h"
#include "system/wine_registry.h"
#include "tests/support/case_name.h"

namespace tarnwick {
namespace {

using fixtures::Bytes;
using fixtures::TempDir;

// Sets an environment variable for one test and puts the old value back.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::string& value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedVariable() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

// A prefix whose system.reg holds the format's first line and then `body`.
struct Prefix {
    explicit Prefix(std::string_view body)
    {
        folder.Write("system.reg", fixtures::ToBytes("WINE REGISTRY Version 2\n" + std::string(body)));
    }
    TempDir folder;
    ScopedVariable variable{"WINEPREFIX", folder.Path().string()};
};

struct Value {
    std::uint32_t type;
    Bytes bytes;
    bool operator==(const Value&) const = default;
    friend void PrintTo(const Value& value, std::ostream* out)
    {
        *out << "type " << value.type << ", " << testing::PrintToString(value.bytes);
    }
};

// The value as the system registry of a prefix gives it, with its key opened,
// read and closed.
std::optional<Value> Read(Registry& registry, std::string_view keyPath, std::string_view name)
{
    RegistryKey key = 0;
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    if (registry.OpenKey(kLocalMachine, keyPath, key) != kRegSuccess ||
        registry.QueryValue(key, name, type, nullptr, size) != kRegSuccess)
        return std::nullopt;
    Bytes bytes(size);
    EXPECT_EQ(registry.QueryValue(key, name, type, bytes.data(), size), kRegSuccess);
    EXPECT_EQ(registry.CloseKey(key), kRegSuccess);
    return Value{type, bytes};
}

const std::string kHeader = "WINE REGISTRY Version 2\n";

// The value as the file's text holds it.
std::optional<Value> ReadText(const std::string& body, std::string_view keyPath, std::string_view name)
{
    const auto value = WineRegistryFile(kHeader + body).FindValue(keyPath, name);
    return value ? std::optional<Value>(Value{value->type, value->bytes}) : std::nullopt;
}

Bytes Text(std::string_view text) { return {text.begin(), text.end()}; }

struct ValueCase {
    const char* name;
    std::string body;
    const char* keyPath;
    const char* valueName;
    std::optional<Value> expected;
    friend void PrintTo(const ValueCase& row, std::ostream* out) { *out << row.name; }
};

class WineValue : public testing::TestWithParam<ValueCase> {};

TEST_P(WineValue, IsReadFromTheText)
{
    const ValueCase& row = GetParam();
    EXPECT_EQ(ReadText(row.body, row.keyPath, row.valueName), row.expected);
}

const std::string kT = "[Software\\\\Test]\n";  // the key most rows read
INSTANTIATE_TEST_SUITE_P(
    Lines, WineValue,
    testing::Values(
        ValueCase{"quoted text comes with its ending NUL", kT + R"("A"="C:\\Games")", "Software\\Test", "A",
                  Value{1, Text(std::string_view("C:\\Games\0", 9))}},
        ValueCase{"escapes give quote backslash and control characters", kT + R"("A"="\"\\\n\r\t\0.")",
                  "Software\\Test", "A", Value{1, Text(std::string_view("\"\\\n\r\t\0.\0", 8))}},
        ValueCase{"hex escapes of one to four digits become Windows 1252 or a question mark",
                  kT + R"("A"="\x41\xe9\x20ac\x4e2d")", "Software\\Test", "A",
                  Value{1, {'A', 0xE9, 0x80, '?', 0}}},
        ValueCase{"a hex escape ends after four digits", kT + R"("A"="\x00411")", "Software\\Test", "A",
                  Value{1, {'A', '1', 0}}},
        ValueCase{"str 2 is an expandable text", kT + R"("A"=str(2):"%x%")", "Software\\Test", "A",
                  Value{2, {'%', 'x', '%', 0}}},
        ValueCase{"str 7 keeps its type and its inner NULs", kT + R"("A"=str(7):"a\0b\0")", "Software\\Test",
                  "A", Value{7, {'a', 0, 'b', 0, 0}}},
        ValueCase{"dword is four bytes little endian", kT + R"("A"=dword:01020304)", "Software\\Test", "A",
                  Value{4, {4, 3, 2, 1}}},
        ValueCase{"hex is binary", kT + R"("A"=hex:01,ff,7F)", "Software\\Test", "A",
                  Value{3, {1, 0xFF, 0x7F}}},
        ValueCase{"hex N keeps the bytes as given and the type", kT + R"("A"=hex(7):41,00,00,00)",
                  "Software\\Test", "A", Value{7, {0x41, 0, 0, 0}}},
        ValueCase{"an empty hex list is an empty value", kT + R"("A"=hex:)", "Software\\Test", "A",
                  Value{3, {}}},
        ValueCase{"a hex list continues over lines", kT + "\"A\"=hex:01,02,\\\n  03,\\\n  04\n\"B\"=\"x\"",
                  "Software\\Test", "A", Value{3, {1, 2, 3, 4}}},
        ValueCase{"the at sign is the default value", kT + R"(@="d")", "Software\\Test", "",
                  Value{1, {'d', 0}}},
        ValueCase{"the key matches ignoring case",
                  R"([software\\maxis\\THE SIMS])"
                  "\n\"A\"=\"x\"",
                  "Software\\Maxis\\The Sims", "A", Value{1, {'x', 0}}},
        ValueCase{"the value name matches ignoring case", kT + R"("sims_data"="x")", "Software\\Test",
                  "SIMS_DATA", Value{1, {'x', 0}}},
        ValueCase{"CRLF line ends are read", "[Software\\\\Test]\r\n\"A\"=\"x\"\r\n", "Software\\Test", "A",
                  Value{1, {'x', 0}}},
        ValueCase{"comments and options are skipped",
                  ";c\n#arch=win64\n[Software\\\\Test] 1234\n#time=1d\n\"A\"=\"x\"", "Software\\Test", "A",
                  Value{1, {'x', 0}}},
        ValueCase{"a malformed line is skipped and the next one read", kT + "\"A\"=dword:xyz\n\"A\"=\"ok\"",
                  "Software\\Test", "A", Value{1, {'o', 'k', 0}}},
        ValueCase{"an unterminated text is missing", kT + R"("A"="abc)", "Software\\Test", "A", std::nullopt},
        ValueCase{"a dword of nine digits is missing", kT + R"("A"=dword:000000001)", "Software\\Test", "A",
                  std::nullopt},
        ValueCase{"a hex byte of three digits is missing", kT + R"("A"=hex:001)", "Software\\Test", "A",
                  std::nullopt},
        ValueCase{"a type number that is not hex is missing", kT + R"("A"=str(zz):"x")", "Software\\Test",
                  "A", std::nullopt},
        ValueCase{"a value after an unclosed key line is missing", "[Software\\\\Test\n\"A\"=\"x\"",
                  "Software\\Test", "A", std::nullopt},
        ValueCase{"a value of the next key is missing", kT + "[Software\\\\Other]\n\"A\"=\"x\"",
                  "Software\\Test", "A", std::nullopt},
        ValueCase{"a value not in the key is missing", kT + R"("A"="x")", "Software\\Test", "B",
                  std::nullopt}),
    fixtures::RowName());

TEST(WineKey, ExistsWhenTheFileHasItOrAKeyBelowIt)
{
    const WineRegistryFile file(kHeader + "[Software\\\\Maxis\\\\The Sims]\n");
    EXPECT_TRUE(file.HasKey("Software\\Maxis\\The Sims"));
    EXPECT_TRUE(file.HasKey("software\\maxis"));  // above a key with a section
    EXPECT_FALSE(file.HasKey("Software\\Max"));   // the start of a key's name
    EXPECT_FALSE(file.HasKey("Software\\Maxis\\The Sims\\More"));
}

TEST(WineFile, WithoutAUsableFileHasNoKeys)
{
    const struct {
        const char* name;
        void (*make)(const TempDir& prefix);
    } rows[] = {
        {"no system reg", [](const TempDir&) {}},
        {"an empty file", [](const TempDir& p) { p.Write("system.reg", {}); }},
        {"a first line of another format",
         [](const TempDir& p) {
             p.Write("system.reg", fixtures::ToBytes("REGEDIT4\n[Software\\\\Test]\n"));
         }},
        {"garbled bytes",
         [](const TempDir& p) {
             Bytes bytes = fixtures::ToBytes("WINE REGISTRY Version 2\nREG");
             for (int i = 0; i < 4096; ++i)
                 bytes.push_back(static_cast<std::uint8_t>(i * 37 % 256));
             p.Write("system.reg", bytes);
         }},
        {"system reg is a folder",
         [](const TempDir& p) { std::filesystem::create_directory(p.Path() / "system.reg"); }},
    };
    for (const auto& row : rows) {
        TempDir prefix;
        row.make(prefix);
        EXPECT_FALSE(WineRegistryFile::Load(prefix.Path() / "system.reg").HasKey("Software")) << row.name;
    }
}

// A prefix holding "A"="abc" under Software\\Test, with that key open.
class WineOpenKey : public testing::Test {
protected:
    WineOpenKey() { EXPECT_EQ(registry_->OpenKey(kLocalMachine, "Software\\Test", key_), kRegSuccess); }
    Prefix prefix_{kT + R"("A"="abc")"};
    std::unique_ptr<Registry> registry_ = MakeSystemRegistry();
    RegistryKey key_ = 0;
    std::uint32_t type_ = 0;
};

TEST_F(WineOpenKey, ABufferTooSmallGetsTheSizeAndNothingWritten)
{
    std::uint32_t size = 3;
    Bytes buffer(3, 0xEE);
    EXPECT_EQ(registry_->QueryValue(key_, "A", type_, buffer.data(), size), kRegMoreData);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(buffer, Bytes(3, 0xEE));
}

TEST_F(WineOpenKey, AClosedKeyCannotBeReadOrClosedAgain)
{
    EXPECT_EQ(registry_->CloseKey(key_), kRegSuccess);
    std::uint32_t size = 0;
    EXPECT_EQ(registry_->QueryValue(key_, "A", type_, nullptr, size), kRegBadKey);
    EXPECT_EQ(registry_->CloseKey(key_), kRegBadKey);
}

// From the prefix's file through the system registry to the game's folder,
// found under Wow6432Node as a 64-bit prefix keeps a 32-bit program's keys.
TEST(WineRegistry, GivesTheGameFolderOfThePrefix)
{
    Prefix prefix("[Software\\\\Wow6432Node\\\\Maxis\\\\The Sims] 1\n\"SIMS_DATA\"=\"C:\\\\Games\"");
    const auto registry = MakeSystemRegistry();
    EXPECT_EQ(Read(*registry, "Software\\Maxis\\The Sims", "SIMS_DATA"),
              (Value{1, Text(std::string_view("C:\\Games\0", 9))}));
    EXPECT_EQ(GetGamePath(*registry), "C:\\Games\\");
}

TEST(WinePrefix, IsTheVariableElseTheHomeFoldersWine)
{
    {
        ScopedVariable prefix("WINEPREFIX", "/games/prefix");
        EXPECT_EQ(WinePrefix(), std::filesystem::path("/games/prefix"));
    }
    ScopedVariable prefix("WINEPREFIX", "");
    ScopedVariable home("HOME", "/home/player");
    EXPECT_EQ(WinePrefix(), std::filesystem::path("/home/player/.wine"));
}

}  // namespace
}  // namespace tarnwick
