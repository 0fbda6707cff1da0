#include "system/folder_listing.h"

#include <algorithm>
#include <numeric>

#include "system/ascii_case.h"

namespace tarnwick {

void FolderListing::Add(std::string_view name, EntryKind kind)
{
    names_.append(name);
    ends_.push_back(static_cast<std::uint32_t>(names_.size()));
    kinds_.push_back(kind);
}

void FolderListing::SortByName()
{
    // One folded copy of all names makes each comparison a plain memcmp.
    std::string folded = names_;
    std::transform(folded.begin(), folded.end(), folded.begin(), LowerAscii);
    const auto foldedName = [&](std::uint32_t index) {
        const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
        return std::string_view(folded).substr(begin, ends_[index] - begin);
    };
    std::vector<std::uint32_t> order(Size());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        const int byFolded = foldedName(a).compare(foldedName(b));
        return byFolded != 0 ? byFolded < 0 : Name(a) < Name(b);
    });
    FolderListing sorted;
    sorted.names_.reserve(names_.size());
    sorted.ends_.reserve(Size());
    sorted.kinds_.reserve(Size());
    for (const std::uint32_t index : order)
        sorted.Add(Name(index), Kind(index));
    *this = std::move(sorted);
}

}  // namespace tarnwick
