// Writing members on Windows, through the wide functions: the chosen folder is
// in the system's code page, as the file list hands it over, and member paths
// are UTF-8. A folder on the way that is a reparse point (a link or a
// junction) is not entered, so nothing is written outside the chosen folder.
#include <windows.h>

#include <algorithm>
#include <random>

#include "system/member_extraction.h"
#include "system/windows_text.h"

namespace tarnwick {

namespace {

std::vector<std::wstring> Parts(const std::string& relativePath)
{
    std::vector<std::wstring> parts;
    std::string part;
    for (const char c : relativePath + "/") {
        if (c == '/') {
            parts.push_back(WideText(part, CP_UTF8));
            part.clear();
        } else {
            part += c;
        }
    }
    return parts;
}

}  // namespace

std::string WriteInsideFolder(const std::string& folder, const std::string& relativePath,
                              const std::vector<std::uint8_t>& bytes, bool replaceExisting)
{
    std::vector<std::wstring> parts = Parts(relativePath);
    for (const std::wstring& part : parts)
        if (part.empty() || part == L"." || part == L"..")
            return "its path has an empty, \".\" or \"..\" part";
    std::wstring at = WideText(folder, CP_ACP);
    const std::wstring name = parts.back();
    parts.pop_back();
    for (const std::wstring& part : parts) {
        at += L"\\" + part;
        if (!CreateDirectoryW(at.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            return "its folder cannot be made: " + WindowsErrorText(GetLastError());
        const DWORD attributes = GetFileAttributesW(at.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 ||
            (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
            return "its folder is a link or a file, not followed";
    }
    const std::wstring target = at + L"\\" + name;
    const DWORD there = GetFileAttributesW(target.c_str());
    if (there != INVALID_FILE_ATTRIBUTES && (there & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return "a folder of that name is already there";
    if (there != INVALID_FILE_ATTRIBUTES && !replaceExisting)
        return kAlreadyThere;

    std::random_device random;
    std::wstring temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = at + L"\\.tarnwick-" + std::to_wstring(random()) + L".part";
        file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            return "it cannot be written: " + WindowsErrorText(GetLastError());
    }
    if (file == INVALID_HANDLE_VALUE)
        return "it cannot be written: no free temporary name";
    DWORD error = 0;
    std::size_t done = 0;
    while (error == 0 && done < bytes.size()) {
        DWORD wrote = 0;
        const auto want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        if (!WriteFile(file, bytes.data() + done, want, &wrote, nullptr))
            error = GetLastError();
        done += wrote;
    }
    if (!CloseHandle(file) && error == 0)
        error = GetLastError();
    if (error == 0 &&
        !MoveFileExW(temporary.c_str(), target.c_str(), replaceExisting ? MOVEFILE_REPLACE_EXISTING : 0))
        error = GetLastError();
    if (error != 0) {
        DeleteFileW(temporary.c_str());
        return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS
                   ? kAlreadyThere
                   : "it cannot be written: " + WindowsErrorText(error);
    }
    return {};
}

bool ExistsInsideFolder(const std::string& folder, const std::string& relativePath)
{
    std::wstring path = WideText(folder, CP_ACP);
    for (const std::wstring& part : Parts(relativePath))
        path += L"\\" + part;
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void SplitChosenPath(const std::string& path, std::string& folder, std::string& name)
{
    const std::size_t slash = path.find_last_of("\\/");
    folder = slash == std::string::npos ? "." : path.substr(0, slash);
    name = slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace tarnwick
