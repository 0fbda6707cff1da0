#include "ui/common/twips.h"

#include <QWidget>

namespace tarnwick {

int TwipsToPixels(int twips, int dotsPerInch)
{
    constexpr int kTwipsPerInch = 1440;
    // Rounded to the nearest pixel, halves away from zero.
    const long long scaled = static_cast<long long>(twips) * dotsPerInch;
    const long long half = kTwipsPerInch / 2;
    return static_cast<int>((scaled >= 0 ? scaled + half : scaled - half) / kTwipsPerInch);
}

QRect TwipsToPixels(const QRect& twips, const QWidget& on)
{
    const int x = on.logicalDpiX();
    const int y = on.logicalDpiY();
    return {TwipsToPixels(twips.left(), x), TwipsToPixels(twips.top(), y), TwipsToPixels(twips.width(), x),
            TwipsToPixels(twips.height(), y)};
}

QSize TwipsToPixels(const QSize& twips, const QWidget& on)
{
    return {TwipsToPixels(twips.width(), on.logicalDpiX()), TwipsToPixels(twips.height(), on.logicalDpiY())};
}

}  // namespace tarnwick
