// The drives of Windows: its drive letters.
#include <QDir>
#include <QFileInfo>

#include "widgets/drives.h"

namespace tarnwick {

const Qt::CaseSensitivity kPathCase = Qt::CaseInsensitive;

QList<DriveEntry> Drives()
{
    QList<DriveEntry> drives;
    for (const QFileInfo& drive : QDir::drives())
        drives.append(
            {QDir::toNativeSeparators(drive.absoluteFilePath()).chopped(1), drive.absoluteFilePath()});
    return drives;
}

}  // namespace tarnwick
