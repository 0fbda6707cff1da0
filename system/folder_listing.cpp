#include "system/folder_listing.h"

namespace tarnwick {

std::string_view FolderListing::Name(std::size_t index) const
{
    const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
    return std::string_view(names_).substr(begin, ends_[index] - begin);
}

void FolderListing::Add(std::string_view name, EntryKind kind)
{
    names_.append(name);
    ends_.push_back(static_cast<std::uint32_t>(names_.size()));
    kinds_.push_back(kind);
}

}  // namespace tarnwick
