#pragma once

#include <QString>
#include <cstdint>
#include <string_view>

#include "ui/inspector/inspector_context.h"

class QLabel;
class QTableWidget;
class QTableWidgetItem;

namespace tarnwick {

// "BHAV 4096 (0x1000) Label", the way the inspector names a chunk; with "(not in this
// file)" when the file has no chunk of that type and ID.
[[nodiscard]] QString ChunkLinkText(const InspectorContext& context, std::string_view type, std::uint32_t id);

// A label that links to chunk TYPE ID: a click follows it. A link to an
// absent chunk is plain text that says so.
[[nodiscard]] QLabel* MakeChunkLink(const InspectorContext& context, std::string_view type, std::uint32_t id);

// A table cell that links to chunk TYPE ID: drawn as a link, followed when the
// table's links are connected. A link to an absent chunk is plain text that
// says so.
[[nodiscard]] QTableWidgetItem* MakeLinkItem(const InspectorContext& context, std::string_view type,
                                             std::uint32_t id);

// A click, a double-click or Enter on a link cell of `table` follows its link.
void ConnectLinks(QTableWidget& table, const InspectorContext& context);

// The chunk a cell links to (1-based), or 0.
[[nodiscard]] ChunkNumber LinkedChunk(const QTableWidgetItem& item);

}  // namespace tarnwick
