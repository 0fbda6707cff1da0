#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace tarnwick {

// Window layouts are given in twips, 1440 to the inch; the screen's logical
// DPI turns them into pixels, so windows keep their proportions at any scaling.
[[nodiscard]] int TwipsToPixels(int twips, int dotsPerInch);
[[nodiscard]] QRect TwipsToPixels(const QRect& twips, const QWidget& on);
[[nodiscard]] QSize TwipsToPixels(const QSize& twips, const QWidget& on);

}  // namespace tarnwick
