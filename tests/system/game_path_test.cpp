#include "system/game_path.h"

#include <gtest/gtest.h>

#include "synth/memory_registry.h"
#include "tests/support/case_name.h"

namespace tarnwick {
namespace {

using fixtures::MemoryRegistry;
using Bytes = std::vector<std::uint8_t>;

constexpr const char* kGameKey = "Software\\Maxis\\The Sims";

struct LookupCase {
    const char* name;
    const char* keyPath;
    const char* valueName;
    MemoryRegistry::Value value;
    std::string gamePath;
    friend void PrintTo(const LookupCase& row, std::ostream* out) { *out << row.name; }
};

Bytes Text(std::string_view text) { return {text.begin(), text.end()}; }

class GetGamePathTest : public testing::TestWithParam<LookupCase> {};

TEST_P(GetGamePathTest, TurnsTheRegistryEntryIntoAFolder)
{
    const LookupCase& row = GetParam();
    MemoryRegistry registry;
    registry.Set(row.keyPath, row.valueName, row.value);
    EXPECT_EQ(GetGamePath(registry), row.gamePath);
}

INSTANTIATE_TEST_SUITE_P(
    Registry, GetGamePathTest,
    testing::Values(
        LookupCase{"folder with backslash",
                   kGameKey,
                   "SIMS_DATA",
                   {kRegString, Text("D:\\Games\\Data\\\0")},
                   "D:\\Games\\Data\\"},
        LookupCase{"folder without backslash",
                   kGameKey,
                   "SIMS_DATA",
                   {kRegString, Text("D:\\Games\\Data\0")},
                   "D:\\Games\\Data\\"},
        LookupCase{
            "text without its NUL", kGameKey, "SIMS_DATA", {kRegString, Text("C:\\Sims")}, "C:\\Sims\\"},
        LookupCase{"bytes after a NUL are dropped",
                   kGameKey,
                   "SIMS_DATA",
                   {kRegString, Text(std::string_view("C:\\A\0junk\0", 10))},
                   "C:\\A\\"},
        LookupCase{
            "empty text", kGameKey, "SIMS_DATA", {kRegString, Text(std::string_view("\0", 1))}, "Not Found"},
        LookupCase{
            "no such key", "Software\\Maxis\\Other", "SIMS_DATA", {kRegString, Text("C:\\x")}, "Not Found"},
        LookupCase{"no such value", kGameKey, "SIMS_PATH", {kRegString, Text("C:\\x")}, "Not Found"},
        LookupCase{"a number", kGameKey, "SIMS_DATA", {kRegDword, {1, 0, 0, 0}}, "Not Found"},
        LookupCase{
            "an expandable text", kGameKey, "SIMS_DATA", {kRegExpandString, Text("C:\\x")}, "Not Found"},
        LookupCase{"binary FF FF", kGameKey, "SIMS_DATA", {kRegBinary, {0xFF, 0xFF}}, "-1\\"},
        LookupCase{"binary 02 01", kGameKey, "SIMS_DATA", {kRegBinary, {0x02, 0x01}}, "258\\"},
        LookupCase{"binary of one byte", kGameKey, "SIMS_DATA", {kRegBinary, {0x07}}, "7\\"},
        // Read into two bytes, a longer value does not fit, and nothing is written past them.
        LookupCase{
            "binary longer than two bytes", kGameKey, "SIMS_DATA", {kRegBinary, {1, 2, 3}}, "Not Found"},
        LookupCase{"binary of no bytes", kGameKey, "SIMS_DATA", {kRegBinary, {}}, "0\\"}),
    fixtures::RowName());

}  // namespace
}  // namespace tarnwick
