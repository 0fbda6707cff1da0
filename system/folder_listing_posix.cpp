#include <dirent.h>
#include <sys/stat.h>
#include <cerrno>
#include <system_error>

#include "system/folder_listing.h"

namespace tarnwick {

namespace {

EntryKind KindOfMode(mode_t mode)
{
    if (S_ISREG(mode))
        return EntryKind::File;
    return S_ISDIR(mode) ? EntryKind::Folder : EntryKind::Other;
}

// The kind the entry itself tells, else (a link, or a file system that does
// not say) what the name leads to.
EntryKind KindOf(DIR* folder, const dirent& entry)
{
    switch (entry.d_type) {
    case DT_REG:
        return EntryKind::File;
    case DT_DIR:
        return EntryKind::Folder;
    case DT_LNK:
    case DT_UNKNOWN:
        break;
    default:
        return EntryKind::Other;
    }
    struct stat target {};
    if (::fstatat(::dirfd(folder), entry.d_name, &target, 0) != 0)
        return EntryKind::Other;  // a dangling link
    return KindOfMode(target.st_mode);
}

}  // namespace

FolderRead ReadFolder(const std::string& path)
{
    FolderRead read;
    DIR* folder = ::opendir(path.c_str());
    if (folder == nullptr) {
        read.Reason = std::generic_category().message(errno);
        return read;
    }
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(folder);
        if (entry == nullptr)
            break;
        const std::string_view name(entry->d_name);
        if (name != "." && name != "..")
            read.Entries.Add(name, KindOf(folder, *entry));
    }
    read.Opened = errno == 0;
    if (!read.Opened)
        read.Reason = std::generic_category().message(errno);
    ::closedir(folder);
    read.Entries.SortByName();
    return read;
}

std::optional<SizeAndTime> SizeAndTimeOf(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    constexpr std::int64_t kNanosecondsPerSecond = 1'000'000'000;
    return SizeAndTime{static_cast<std::uint64_t>(info.st_size),
                       static_cast<std::int64_t>(info.st_mtim.tv_sec) * kNanosecondsPerSecond +
                           static_cast<std::int64_t>(info.st_mtim.tv_nsec)};
}

bool IsFolder(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsFile(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace tarnwick
