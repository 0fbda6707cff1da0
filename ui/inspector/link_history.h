#pragma once

#include <string>
#include <vector>

#include "model/container/chunk_table.h"

namespace tarnwick {

// A chunk the inspector showed, and the file it was in: a loose file, or a
// member of an archive.
struct LinkStop {
    std::string path;
    std::string member;
    ChunkNumber chunk = 0;  // 0 for none

    [[nodiscard]] bool SameFile(const LinkStop& other) const
    {
        return path == other.path && member == other.member;
    }
    friend bool operator==(const LinkStop&, const LinkStop&) = default;
};

// Back and Forward through the chunks reached by following links, as in a
// browser: following a link forgets what lay ahead.
class LinkHistory {
public:
    void Clear()
    {
        back_.clear();
        forward_.clear();
    }

    // `from` (chunk 0 for none) is left by following a link.
    void Followed(const LinkStop& from)
    {
        if (from.chunk != 0)
            back_.push_back(from);
        forward_.clear();
    }

    // The stop to show instead of `current`, which is kept for the way back;
    // chunk 0 when there is nowhere to go.
    [[nodiscard]] LinkStop Back(const LinkStop& current) { return Go(back_, forward_, current); }
    [[nodiscard]] LinkStop Forward(const LinkStop& current) { return Go(forward_, back_, current); }

    [[nodiscard]] bool CanGoBack() const { return !back_.empty(); }
    [[nodiscard]] bool CanGoForward() const { return !forward_.empty(); }

private:
    static LinkStop Go(std::vector<LinkStop>& from, std::vector<LinkStop>& to, const LinkStop& current)
    {
        if (from.empty())
            return {};
        LinkStop target = std::move(from.back());
        from.pop_back();
        if (current.chunk != 0)
            to.push_back(current);
        return target;
    }

    std::vector<LinkStop> back_;  // the last one last
    std::vector<LinkStop> forward_;
};

}  // namespace tarnwick
