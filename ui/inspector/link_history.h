#pragma once

#include <vector>

#include "model/container/chunk_table.h"

namespace tarnwick {

// Back and Forward through the chunks reached by following links, as in a
// browser: following a link forgets what lay ahead.
class LinkHistory {
public:
    void Clear()
    {
        back_.clear();
        forward_.clear();
    }

    // `from` (0 for none) is left by following a link.
    void Followed(ChunkNumber from)
    {
        if (from != 0)
            back_.push_back(from);
        forward_.clear();
    }

    // The chunk to show instead of `current`, which is kept for the way
    // back; 0 when there is nowhere to go.
    [[nodiscard]] ChunkNumber Back(ChunkNumber current) { return Go(back_, forward_, current); }
    [[nodiscard]] ChunkNumber Forward(ChunkNumber current) { return Go(forward_, back_, current); }

    [[nodiscard]] bool CanGoBack() const { return !back_.empty(); }
    [[nodiscard]] bool CanGoForward() const { return !forward_.empty(); }

private:
    static ChunkNumber Go(std::vector<ChunkNumber>& from, std::vector<ChunkNumber>& to, ChunkNumber current)
    {
        if (from.empty())
            return 0;
        const ChunkNumber target = from.back();
        from.pop_back();
        if (current != 0)
            to.push_back(current);
        return target;
    }

    std::vector<ChunkNumber> back_;  // the last one last
    std::vector<ChunkNumber> forward_;
};

}  // namespace tarnwick
