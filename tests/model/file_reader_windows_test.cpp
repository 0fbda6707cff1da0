// The Win32 file reader on what a file list hands it: files, folders, missing
// paths, names beyond ASCII in the system's code page, files others hold open.
#include <windows.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <system_error>

#include "model/container/file_reader.h"
#include "synth/temp_dir.h"
#include "tests/support/case_name.h"

namespace tarnwick {
namespace {

namespace fs = std::filesystem;

// A path in the system's code page, as the A functions take it.
std::string CodePage(const fs::path& path)
{
    const std::wstring wide = path.wstring();
    const int size = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, narrow.data(), size, nullptr, nullptr);
    narrow.pop_back();  // the ending NUL
    return narrow;
}

void WriteFile(const fs::path& file, const std::string& text)
{
    std::ofstream out(file, std::ios::binary);
    out << text;
}

// Closes the handle when the read is over.
using HeldFile = std::unique_ptr<void, decltype(&CloseHandle)>;

HeldFile Hold(const fs::path& file, DWORD share)
{
    return {
        CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr, OPEN_EXISTING, 0, nullptr),
        &CloseHandle};
}

// The system's words for an error, in its language.
std::string SystemReason(DWORD error) { return std::system_category().message(static_cast<int>(error)); }
std::string Reason(int error) { return std::generic_category().message(error); }

struct ReadCase {
    const char* name;
    // Makes what is read in the folder and returns its path; what it returns
    // second is held until the read is over.
    std::function<std::string(const fs::path& folder, HeldFile& held)> make;
    std::string bytes;
    std::string error;  // the reason; empty when the read succeeds
    friend void PrintTo(const ReadCase& row, std::ostream* out) { *out << row.name; }
};

class WindowsFileReaderTest : public testing::TestWithParam<ReadCase> {};

TEST_P(WindowsFileReaderTest, ReadsFilesAndRefusesTheRest)
{
    const ReadCase& row = GetParam();
    const fixtures::TempDir dir;
    HeldFile held(nullptr, &CloseHandle);
    const std::string path = row.make(dir.Path(), held);
    const FileReadResult read = ReadWholeFile(path);
    if (row.error.empty()) {
        EXPECT_EQ(read.error, "");
        EXPECT_EQ(std::string(read.bytes.begin(), read.bytes.end()), row.bytes);
    } else {
        EXPECT_EQ(read.error, row.error);
        EXPECT_TRUE(read.bytes.empty());
    }
}

const std::string kChunkFile =
    std::string("IFF FILE 2.5:TYPE FOLLOWED BY SIZE\0 JAMIE DOORNBOS & MAXIS 1", 60) +
    std::string("\0\0\0\x40\x01\x02\x03\x04", 8);

INSTANTIATE_TEST_SUITE_P(
    Paths, WindowsFileReaderTest,
    testing::Values(
        ReadCase{"a file",
                 [](const fs::path& folder, HeldFile&) {
                     WriteFile(folder / "x.IFF", kChunkFile);
                     return CodePage(folder / "x.IFF");
                 },
                 kChunkFile, ""},
        ReadCase{"an empty file",
                 [](const fs::path& folder, HeldFile&) {
                     WriteFile(folder / "empty.IFF", "");
                     return CodePage(folder / "empty.IFF");
                 },
                 "", ""},
        ReadCase{"a name beyond ASCII",
                 [](const fs::path& folder, HeldFile&) {
                     WriteFile(folder / L"caf\u00e9 \u00e0 la cr\u00e8me.IFF", "caf\xE9");
                     return CodePage(folder / L"caf\u00e9 \u00e0 la cr\u00e8me.IFF");
                 },
                 "caf\xE9", ""},
        ReadCase{"forward slashes",
                 [](const fs::path& folder, HeldFile&) {
                     WriteFile(folder / "x.IFF", "abc");
                     return CodePage((folder / "x.IFF").generic_wstring());
                 },
                 "abc", ""},
        ReadCase{"a file another program writes to",
                 [](const fs::path& folder, HeldFile& held) {
                     WriteFile(folder / "open.IFF", "shared");
                     held = Hold(folder / "open.IFF", FILE_SHARE_READ | FILE_SHARE_WRITE);
                     return CodePage(folder / "open.IFF");
                 },
                 "shared", ""},
        ReadCase{"a file another program holds to itself",
                 [](const fs::path& folder, HeldFile& held) {
                     WriteFile(folder / "locked.IFF", "mine");
                     held = Hold(folder / "locked.IFF", 0);
                     return CodePage(folder / "locked.IFF");
                 },
                 "", SystemReason(ERROR_SHARING_VIOLATION)},
        ReadCase{"a folder", [](const fs::path& folder, HeldFile&) { return CodePage(folder); }, "",
                 Reason(EISDIR)},
        ReadCase{"a folder named like a file",
                 [](const fs::path& folder, HeldFile&) {
                     fs::create_directory(folder / "Folder.IFF");
                     return CodePage(folder / "Folder.IFF");
                 },
                 "", Reason(EISDIR)},
        ReadCase{"a missing file",
                 [](const fs::path& folder, HeldFile&) { return CodePage(folder / "missing.IFF"); }, "",
                 SystemReason(ERROR_FILE_NOT_FOUND)},
        ReadCase{"a file in a missing folder",
                 [](const fs::path& folder, HeldFile&) { return CodePage(folder / "missing" / "x.IFF"); }, "",
                 SystemReason(ERROR_PATH_NOT_FOUND)},
        ReadCase{"an empty path", [](const fs::path&, HeldFile&) { return std::string(); }, "",
                 SystemReason(ERROR_PATH_NOT_FOUND)},
        ReadCase{"a device", [](const fs::path&, HeldFile&) { return std::string("NUL"); }, "",
                 "Not a regular file"}),
    fixtures::RowName());

}  // namespace
}  // namespace tarnwick
