// The Win32 registry as the program reads it: keys written here with the
// system's wide functions, read back through MakeSystemRegistry(), and removed.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "system/game_path.h"
#include "system/registry.h"
#include "tests/support/case_name.h"

namespace tarnwick {
namespace {

using Bytes = std::vector<std::uint8_t>;

RegistryKey RootOf(HKEY root)
{
    return root == HKEY_LOCAL_MACHINE ? kLocalMachine : reinterpret_cast<RegistryKey>(root);
}

// Software\TarnwickTest-<process>, one per run, so runs side by side do not meet.
std::wstring ScratchPath() { return L"Software\\TarnwickTest-" + std::to_wstring(GetCurrentProcessId()); }
std::string NarrowScratchPath() { return "Software\\TarnwickTest-" + std::to_string(GetCurrentProcessId()); }

// A key of the test's own in one view of the registry, deleted afterwards.
class ScratchKey {
public:
    ScratchKey(HKEY root, REGSAM view) : root_(root), view_(view)
    {
        created_ = RegCreateKeyExW(root, ScratchPath().c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view, nullptr,
                                   &key_, nullptr);
    }
    ~ScratchKey()
    {
        if (created_ != ERROR_SUCCESS)
            return;
        RegCloseKey(key_);
        RegDeleteKeyExW(root_, ScratchPath().c_str(), view_, 0);
    }
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;

    // ERROR_SUCCESS, or why the key could not be made (an ordinary user may
    // not write under the local machine on Windows).
    [[nodiscard]] LONG Created() const { return created_; }
    void Set(const wchar_t* name, DWORD type, const Bytes& data) const
    {
        ASSERT_EQ(RegSetValueExW(key_, name, 0, type, data.data(), static_cast<DWORD>(data.size())),
                  ERROR_SUCCESS);
    }

private:
    HKEY root_;
    REGSAM view_;
    HKEY key_ = nullptr;
    LONG created_;
};

// A text as the registry stores it: UTF-16 with its ending NUL.
Bytes Wide(const std::wstring& text)
{
    Bytes bytes;
    for (const wchar_t c : text) {
        bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    bytes.insert(bytes.end(), {0, 0});
    return bytes;
}
Bytes Narrow(std::string_view text) { return {text.begin(), text.end()}; }
// A text in the system's code page with its ending NUL, as the A functions give it.
Bytes CodePage(const wchar_t* text)
{
    const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, narrow.data(), size, nullptr, nullptr);
    return Narrow(narrow);
}

constexpr std::uint8_t kUntouched = 0xAA;
constexpr std::uint32_t kUntouchedType = 77;

struct QueryCase {
    const char* name;
    DWORD type;  // of the value written; 0 writes none
    Bytes written;
    std::uint32_t bufferSize;
    long result;
    std::uint32_t resultType;  // kUntouchedType when the query must leave it alone
    std::uint32_t resultSize;
    Bytes read;  // the buffer afterwards, up to the value's size; kUntouched bytes when nothing was copied
    friend void PrintTo(const QueryCase& row, std::ostream* out) { *out << row.name; }
};

class RegistryQueryTest : public testing::TestWithParam<QueryCase> {};

TEST_P(RegistryQueryTest, ReadsTheValueAsTheCodePagesText)
{
    const QueryCase& row = GetParam();
    const ScratchKey scratch(HKEY_CURRENT_USER, 0);
    ASSERT_EQ(scratch.Created(), ERROR_SUCCESS);
    if (row.type != 0)
        scratch.Set(L"Value", row.type, row.written);

    const auto registry = MakeSystemRegistry();
    RegistryKey key = 0;
    ASSERT_EQ(registry->OpenKey(RootOf(HKEY_CURRENT_USER), NarrowScratchPath(), key), kRegSuccess);
    std::uint32_t type = kUntouchedType;
    std::uint32_t size = row.bufferSize;
    Bytes buffer(row.bufferSize, kUntouched);
    EXPECT_EQ(registry->QueryValue(key, "Value", type, buffer.data(), size), row.result);
    EXPECT_EQ(type, row.resultType);
    EXPECT_EQ(size, row.resultSize);
    buffer.resize(std::min<std::size_t>(buffer.size(), row.read.size()));
    EXPECT_EQ(buffer, row.read);
    EXPECT_EQ(registry->CloseKey(key), kRegSuccess);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RegistryQueryTest,
    testing::Values(
        QueryCase{"a text", REG_SZ, Wide(L"C:\\Games\\Sims"), 64, kRegSuccess, kRegString, 14,
                  Narrow(std::string_view("C:\\Games\\Sims\0", 14))},
        QueryCase{"a text that just fits", REG_SZ, Wide(L"C:\\Sims"), 8, kRegSuccess, kRegString, 8,
                  Narrow(std::string_view("C:\\Sims\0", 8))},
        QueryCase{"a text one byte too long", REG_SZ, Wide(L"C:\\Sims"), 7, kRegMoreData, kRegString, 8,
                  Bytes(7, kUntouched)},
        QueryCase{"a text beyond ASCII in the code page", REG_SZ, Wide(L"C:\\Jeux\\Sim\u00e9s"), 64,
                  kRegSuccess, kRegString,
                  static_cast<std::uint32_t>(CodePage(L"C:\\Jeux\\Sim\u00e9s").size()),
                  CodePage(L"C:\\Jeux\\Sim\u00e9s")},
        QueryCase{"an empty text", REG_SZ, Wide(L""), 4, kRegSuccess, kRegString, 1, Bytes{0}},
        QueryCase{"an expandable text stays unexpanded", REG_EXPAND_SZ, Wide(L"%WINDIR%"), 16, kRegSuccess,
                  kRegExpandString, 9, Narrow(std::string_view("%WINDIR%\0", 9))},
        QueryCase{"a number", REG_DWORD, Bytes{0x78, 0x56, 0x34, 0x12}, 8, kRegSuccess, kRegDword, 4,
                  Bytes{0x78, 0x56, 0x34, 0x12}},
        QueryCase{"bytes", REG_BINARY, Bytes{1, 2, 3}, 3, kRegSuccess, kRegBinary, 3, Bytes{1, 2, 3}},
        QueryCase{"bytes too long for two", REG_BINARY, Bytes{1, 2, 3, 4, 5}, 2, kRegMoreData, kRegBinary, 5,
                  Bytes(2, kUntouched)},
        QueryCase{"a missing value", 0, {}, 8, kRegNotFound, kUntouchedType, 8, Bytes(8, kUntouched)}),
    fixtures::RowName());

TEST(RegistryQuery, TellsATextsSizeWithoutReadingIt)
{
    const ScratchKey scratch(HKEY_CURRENT_USER, 0);
    ASSERT_EQ(scratch.Created(), ERROR_SUCCESS);
    scratch.Set(L"Value", REG_SZ, Wide(L"C:\\Games\\Sims"));
    const auto registry = MakeSystemRegistry();
    RegistryKey key = 0;
    ASSERT_EQ(registry->OpenKey(RootOf(HKEY_CURRENT_USER), NarrowScratchPath(), key), kRegSuccess);
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    EXPECT_EQ(registry->QueryValue(key, "Value", type, nullptr, size), kRegSuccess);
    EXPECT_EQ(type, kRegString);
    // Windows may tell the size of the text in UTF-16, which is at least that.
    EXPECT_GE(size, 14U);
    registry->CloseKey(key);
}

TEST(RegistryQuery, AMissingKeyLeavesTheHandleAlone)
{
    const auto registry = MakeSystemRegistry();
    RegistryKey key = 1234;
    EXPECT_EQ(registry->OpenKey(RootOf(HKEY_CURRENT_USER), NarrowScratchPath() + "\\Missing", key),
              kRegNotFound);
    EXPECT_EQ(key, 1234U);
}

struct ViewCase {
    const char* name;
    HKEY root;
    REGSAM writtenIn;
    std::string read;  // what the program reads back; empty when it must not see the key
    friend void PrintTo(const ViewCase& row, std::ostream* out) { *out << row.name; }
};

class RegistryViewTest : public testing::TestWithParam<ViewCase> {};

// The game is a 32-bit program: its key under the local machine is in the
// 32-bit view, which a 64-bit program reaches only by asking for it.
TEST_P(RegistryViewTest, ReadsTheViewThe32BitGameWrites)
{
    const ViewCase& row = GetParam();
    const ScratchKey scratch(row.root, row.writtenIn);
    if (scratch.Created() == ERROR_ACCESS_DENIED)
        GTEST_SKIP() << "writing under the local machine needs an administrator";
    ASSERT_EQ(scratch.Created(), ERROR_SUCCESS);
    scratch.Set(L"InstallPath", REG_SZ, Wide(L"C:\\Program Files (x86)\\Maxis\\The Sims"));

    const auto registry = MakeSystemRegistry();
    EXPECT_EQ(ReadRegistryString(*registry, RootOf(row.root), NarrowScratchPath(), "InstallPath"), row.read);
}

INSTANTIATE_TEST_SUITE_P(Views, RegistryViewTest,
                         testing::Values(ViewCase{"the local machine s 32 bit view", HKEY_LOCAL_MACHINE,
                                                  KEY_WOW64_32KEY,
                                                  "C:\\Program Files (x86)\\Maxis\\The Sims"},
                                         ViewCase{"the local machine s 64 bit view is not the game s",
                                                  HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY, ""},
                                         ViewCase{"the current user s one view", HKEY_CURRENT_USER, 0,
                                                  "C:\\Program Files (x86)\\Maxis\\The Sims"}),
                         fixtures::RowName());

}  // namespace
}  // namespace tarnwick
