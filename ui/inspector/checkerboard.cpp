#include "ui/inspector/checkerboard.h"

#include <QPainter>
#include <QPixmap>

namespace tarnwick {

const QBrush& Checkerboard()
{
    static const QBrush brush = [] {
        QPixmap tile(16, 16);
        tile.fill(QColor(0xCC, 0xCC, 0xCC));
        QPainter painter(&tile);
        painter.fillRect(0, 0, 8, 8, QColor(0xFF, 0xFF, 0xFF));
        painter.fillRect(8, 8, 8, 8, QColor(0xFF, 0xFF, 0xFF));
        return QBrush(tile);
    }();
    return brush;
}

}  // namespace tarnwick
