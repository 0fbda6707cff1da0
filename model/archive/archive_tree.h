#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/archive/far_archive.h"

namespace tarnwick {

// An archive's members as nested folders, as the lists show them: the member
// "People\maid.iff" is the file "maid.iff" in the folder "People". A place in
// the tree is named by its parts joined with '/' ("People/maid.iff"; "" is the
// top folder).
//
// A name that is no plain relative path (empty, a leading separator, an empty,
// "." or ".." part, a drive letter) is a file of the top folder under its whole
// name, '/' shown as '\', so every member is listed once and no shown name
// leads out of the archive. Names that meet in one folder (two members of one
// name, a file named as a folder) are told apart by " (2)", " (3)"… before the
// extension, which the file-type filter then still matches.
class ArchiveTree {
public:
    struct Entry {
        std::string Name;
        bool IsFolder = false;
        std::uint32_t Member = 0;  // index in the manifest; files only
    };

    ArchiveTree() = default;
    explicit ArchiveTree(const std::vector<FarMember>& members);

    // The folders and files directly in `folder`, in manifest order; nullptr
    // when the tree has no such folder.
    [[nodiscard]] const std::vector<Entry>* Folder(std::string_view folder) const;
    // The manifest index of the member shown at `place`, or nothing.
    [[nodiscard]] std::optional<std::uint32_t> MemberAt(std::string_view place) const;
    // Where the member with manifest index `member` is shown.
    [[nodiscard]] const std::string& PlaceOf(std::uint32_t member) const { return places_.at(member); }

private:
    std::unordered_map<std::string, std::vector<Entry>> folders_;
    std::vector<std::string> places_;  // by manifest index
};

// The member a person names: the stored name exactly, else with '/' taken for
// '\', else also without regard to the case of ASCII letters, as the game's
// own system compares names. The first of several that match; nothing if none.
[[nodiscard]] std::optional<std::uint32_t> FindMemberNamed(const std::vector<FarMember>& members,
                                                           std::string_view name);

}  // namespace tarnwick
