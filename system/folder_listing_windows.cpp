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

std::optional<SizeAndTime> SizeAndTimeOf(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(WideText(path, CP_UTF8).c_str(), GetFileExInfoStandard, &data))
        return std::nullopt;
    // FILETIME counts 100 ns since 1601; 1970 began 11,644,473,600 s later.
    constexpr std::int64_t kTicksTo1970 = 116'444'736'000'000'000;
    const auto ticks = static_cast<std::int64_t>(std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32 |
                                                 data.ftLastWriteTime.dwLowDateTime);
    return SizeAndTime{std::uint64_t{data.nFileSizeHigh} << 32 | data.nFileSizeLow,
                       (ticks - kTicksTo1970) * 100};
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
