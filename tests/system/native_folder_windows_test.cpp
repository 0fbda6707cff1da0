// A Windows path from the registry, in the system's code page, as a folder of
// this machine.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "synth/temp_dir.h"
#include "system/native_folder.h"
#include "tests/support/case_name.h"

namespace tarnwick {
namespace {

namespace fs = std::filesystem;

std::string CodePage(const std::wstring& wide)
{
    const int size = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, narrow.data(), size, nullptr, nullptr);
    narrow.pop_back();  // the ending NUL
    return narrow;
}

struct FolderCase {
    const char* name;
    // Makes what the registry names in the folder; returns the registry's text.
    std::function<std::string(const fs::path& folder)> make;
    const wchar_t* found;  // the folder found, below the temporary folder; nullptr for none
    friend void PrintTo(const FolderCase& row, std::ostream* out) { *out << row.name; }
};

class NativeFolderTest : public testing::TestWithParam<FolderCase> {};

TEST_P(NativeFolderTest, FindsTheFolderTheRegistryNames)
{
    const fixtures::TempDir dir;
    const auto folder = NativeFolder(GetParam().make(dir.Path()));
    if (GetParam().found == nullptr) {
        EXPECT_FALSE(folder.has_value()) << folder->string();
        return;
    }
    ASSERT_TRUE(folder.has_value());
    // The folder as named, an ending backslash included, which equivalent() does not take.
    const fs::path named = folder->has_filename() ? *folder : folder->parent_path();
    EXPECT_TRUE(fs::equivalent(named, dir.Path() / GetParam().found)) << folder->string();
}

INSTANTIATE_TEST_SUITE_P(
    Paths, NativeFolderTest,
    testing::Values(
        FolderCase{"a folder",
                   [](const fs::path& folder) {
                       fs::create_directories(folder / "Maxis" / "The Sims");
                       return CodePage(folder.wstring() + L"\\Maxis\\The Sims");
                   },
                   L"Maxis\\The Sims"},
        FolderCase{"a folder with its ending backslash",
                   [](const fs::path& folder) {
                       fs::create_directories(folder / "Sims");
                       return CodePage(folder.wstring() + L"\\Sims\\");
                   },
                   L"Sims"},
        FolderCase{"a folder whose name is beyond ASCII",
                   [](const fs::path& folder) {
                       fs::create_directories(folder / L"Jeux" / L"Les Sims \u00e9t\u00e9");
                       return CodePage(folder.wstring() + L"\\Jeux\\Les Sims \u00e9t\u00e9");
                   },
                   L"Jeux\\Les Sims \u00e9t\u00e9"},
        FolderCase{"a folder named in other letter case",
                   [](const fs::path& folder) {
                       fs::create_directories(folder / "GameFolder");
                       return CodePage(folder.wstring() + L"\\GAMEFOLDER");
                   },
                   L"GameFolder"},
        FolderCase{"a file",
                   [](const fs::path& folder) {
                       std::ofstream(folder / "Sims.exe") << "MZ";
                       return CodePage(folder.wstring() + L"\\Sims.exe");
                   },
                   nullptr},
        FolderCase{"a missing folder",
                   [](const fs::path& folder) { return CodePage(folder.wstring() + L"\\Missing"); }, nullptr},
        FolderCase{"an empty value", [](const fs::path&) { return std::string(); }, nullptr}),
    fixtures::RowName());

}  // namespace
}  // namespace tarnwick
