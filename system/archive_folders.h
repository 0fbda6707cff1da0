#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/archive/archive_tree.h"
#include "model/archive/far_archive.h"
#include "system/folder_listing.h"

namespace tarnwick {

// A place inside an archive as the folder and file lists name it: the
// archive's path, then the archive's folders and a member joined by '/'
// ("…/Objects.far/People/maid.iff").
struct ArchivePlace {
    std::string Archive;
    std::string Inner;  // "" for the archive's top folder
};

// Whether a file's name ends in ".far", in any case.
[[nodiscard]] bool IsArchiveName(std::string_view name);

// The archive that `path` names or lies in: the first of its parts, from the
// left, that ends in ".far" and is a file. Nothing for a path on disk; a path
// with no such part costs no look at the disk.
[[nodiscard]] std::optional<ArchivePlace> FindArchivePlace(std::string_view path);

// An archive's manifest and its members as folders.
struct ArchiveContents {
    FarManifest Manifest;
    ArchiveTree Tree;
};

[[nodiscard]] ArchiveContents ReadArchiveContents(const std::string& archivePath);

// The folder `inner` of an archive as a reading of a folder, sorted as one. A
// declined archive's top folder is not opened, with the archive's reason; a
// folder the archive does not hold reads as a folder that is not there.
[[nodiscard]] FolderRead ReadArchiveFolder(const ArchiveContents& contents, std::string_view inner);

// Where the lists show the member a person names (FindMemberNamed), or why
// they cannot: the archive was declined or holds no member of that name.
struct MemberPlace {
    std::string Inner;  // the member's place inside the archive
    std::string Problem;
};

[[nodiscard]] MemberPlace FindMemberPlace(const ArchiveContents& contents, std::string_view memberName);

}  // namespace tarnwick
