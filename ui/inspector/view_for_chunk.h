#pragma once

#include <QString>
#include <functional>

#include "model/container/open_file.h"
#include "ui/inspector/inspector_context.h"
#include "ui/inspector/inspector_view.h"

namespace tarnwick {

// The view that decodes this chunk's type: string tables, palettes, sprites,
// bitmaps, resource maps; the hex view for every other type. When the decoder
// declines the chunk, the hex view comes instead and `declined` says why.
// Views that link to other chunks follow them through `context`.
// `pickOffset` is called with a file offset when a resource map entry is
// double-clicked.
[[nodiscard]] InspectorView* MakeViewForChunk(const ChunkInfo& chunk, InspectorContext& context,
                                              std::function<void(std::int32_t)> pickOffset,
                                              QString& declined);

}  // namespace tarnwick
