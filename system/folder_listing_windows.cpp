#include <windows.h>

#include "system/folder_listing.h"
#include "system/windows_text.h"

namespace tarnwick {

FolderRead ReadFolder(const std::string& path)
{
    FolderRead read;
    std::wstring pattern = WideText(path, CP_UTF8);
    if (!pattern.empty() && pattern.back() != L'/' && pattern.back() != L'\\')
        pattern += L'\\';
    pattern += L'*';
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                                             nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) {
        read.Reason = WindowsErrorText(::GetLastError());
        return read;
    }
    do {
        const std::string name = Utf8Text(found.cFileName);
        if (name == "." || name == "..")
            continue;
        const DWORD attributes = found.dwFileAttributes;
        const EntryKind kind = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? EntryKind::Folder
                               : (attributes & FILE_ATTRIBUTE_DEVICE) != 0  ? EntryKind::Other
                                                                            : EntryKind::File;
        read.Entries.Add(name, kind);
    } while (::FindNextFileW(search, &found));
    const DWORD error = ::GetLastError();
    read.Opened = error == ERROR_NO_MORE_FILES;
    if (!read.Opened)
        read.Reason = WindowsErrorText(error);
    ::FindClose(search);
    read.Entries.SortByName();
    return read;
}

bool IsFolder(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesW(WideText(path, CP_UTF8).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsFile(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesW(WideText(path, CP_UTF8).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

}  // namespace tarnwick
