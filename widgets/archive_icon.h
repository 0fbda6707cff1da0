#pragma once

#include <QIcon>

class QStyle;

namespace tarnwick {

// The folder list's mark for an archive: the style's folder, strapped shut.
[[nodiscard]] QIcon ArchiveIcon(const QStyle& style);

}  // namespace tarnwick
