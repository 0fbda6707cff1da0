#include "widgets/archive_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace tarnwick {

QIcon ArchiveIcon(const QStyle& style)
{
    constexpr int kSize = 16;
    QPixmap pixmap = style.standardIcon(QStyle::SP_DirIcon).pixmap(kSize, kSize);
    QPainter painter(&pixmap);
    // A dark strap down the middle with a light buckle: packed, yet a folder.
    painter.fillRect(QRect(7, 3, 3, 12), QColor(96, 56, 16));
    painter.fillRect(QRect(6, 7, 5, 4), QColor(240, 200, 64));
    painter.fillRect(QRect(8, 8, 1, 2), QColor(96, 56, 16));
    painter.end();
    return QIcon(pixmap);
}

}  // namespace tarnwick
