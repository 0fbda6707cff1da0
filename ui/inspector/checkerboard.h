#pragma once

#include <QBrush>

namespace tarnwick {

// The grey and white squares drawn behind transparent pixels.
[[nodiscard]] const QBrush& Checkerboard();

}  // namespace tarnwick
