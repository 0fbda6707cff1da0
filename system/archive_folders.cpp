#include "system/archive_folders.h"

#include "system/ascii_case.h"

namespace tarnwick {

bool IsArchiveName(std::string_view name)
{
    constexpr std::string_view kExtension = ".far";
    return name.size() > kExtension.size() &&
           EqualIgnoringCase(name.substr(name.size() - kExtension.size()), kExtension);
}

std::optional<ArchivePlace> FindArchivePlace(std::string_view path)
{
    std::size_t begin = 0;
    while (begin <= path.size()) {
        std::size_t end = path.find('/', begin);
        if (end == std::string_view::npos)
            end = path.size();
        if (IsArchiveName(path.substr(begin, end - begin))) {
            std::string archive(path.substr(0, end));
            if (IsFile(archive))
                return ArchivePlace{std::move(archive),
                                    end < path.size() ? std::string(path.substr(end + 1)) : std::string()};
        }
        begin = end + 1;
    }
    return std::nullopt;
}

ArchiveContents ReadArchiveContents(const std::string& archivePath)
{
    ArchiveContents contents{ReadFarManifest(archivePath), {}};
    contents.Tree = ArchiveTree(contents.Manifest.members);
    return contents;
}

FolderRead ReadArchiveFolder(const ArchiveContents& contents, std::string_view inner)
{
    FolderRead read;
    if (!contents.Manifest.ok()) {
        read.Reason = contents.Manifest.error;
        read.InArchive = inner.empty();
        return read;
    }
    const auto* entries = contents.Tree.Folder(inner);
    if (entries == nullptr) {
        read.Reason = "the archive holds no such folder";
        return read;
    }
    read.Opened = true;
    read.InArchive = true;
    for (const ArchiveTree::Entry& entry : *entries)
        read.Entries.Add(entry.Name, entry.IsFolder ? EntryKind::Folder : EntryKind::File);
    read.Entries.SortByName();
    return read;
}

MemberPlace FindMemberPlace(const ArchiveContents& contents, std::string_view memberName)
{
    if (!contents.Manifest.ok())
        return {{}, contents.Manifest.error};
    const auto member = FindMemberNamed(contents.Manifest.members, memberName);
    if (!member)
        return {{}, "the archive holds no member of that name"};
    return {contents.Tree.PlaceOf(*member), {}};
}

}  // namespace tarnwick
