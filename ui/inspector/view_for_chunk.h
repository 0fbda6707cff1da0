#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

#include "model/container/chunk_table.h"
#include "ui/inspector/inspector_context.h"
#include "ui/inspector/inspector_view.h"

namespace tarnwick {

// The view made for a chunk, and why its decoder declined it when the view is
// the hex view instead.
struct ChunkViewMade {
    std::unique_ptr<InspectorView> view;
    QString declined;
};

// The view of this chunk's type; the hex view for a type without one.
// Views that link to other chunks follow them through `context`.
// `pickOffset` is called with a file offset when a resource map entry is
// double-clicked.
[[nodiscard]] ChunkViewMade MakeViewForChunk(const ChunkInfo& chunk, InspectorContext& context,
                                             std::function<void(std::int32_t)> pickOffset);

// Whether chunks of `type` have a view of their own.
[[nodiscard]] bool HasViewFor(std::string_view type);

}  // namespace tarnwick
