#include <windows.h>

#include "system/folder_listing.h"

namespace tarnwick {

namespace {

std::wstring Wide(const std::string& utf8)
{
    const int length =
        ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
    return wide;
}

std::string Utf8(const wchar_t* wide)
{
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1)
        return {};
    std::string utf8(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8.data(), length, nullptr, nullptr);
    utf8.pop_back();  // the terminating NUL
    return utf8;
}

std::string Reason(DWORD error)
{
    wchar_t* text = nullptr;
    ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string reason = text != nullptr ? Utf8(text) : "error " + std::to_string(error);
    ::LocalFree(text);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == '.'))
        reason.pop_back();
    return reason;
}

}  // namespace

FolderRead ReadFolder(const std::string& path)
{
    FolderRead read;
    std::wstring pattern = Wide(path);
    if (!pattern.empty() && pattern.back() != L'/' && pattern.back() != L'\\')
        pattern += L'\\';
    pattern += L'*';
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                                             nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) {
        read.Reason = Reason(::GetLastError());
        return read;
    }
    do {
        const std::string name = Utf8(found.cFileName);
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
        read.Reason = Reason(error);
    ::FindClose(search);
    read.Entries.SortByName();
    return read;
}

std::optional<SizeAndTime> SizeAndTimeOf(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &data))
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
    const DWORD attributes = ::GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsFile(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

}  // namespace tarnwick
