// The drives of a system without drive letters: its root, its mounted
// volumes, and the drive letters of the Wine prefix the game runs in.
#include <QFileInfo>
#include <QStorageInfo>

#include "system/wine_paths.h"
#include "system/wine_prefix.h"
#include "widgets/drives.h"

namespace tarnwick {

const Qt::CaseSensitivity kPathCase = Qt::CaseSensitive;

QList<DriveEntry> Drives()
{
    QList<DriveEntry> drives;
    QStringList roots{QStringLiteral("/")};
    QStringList volumes;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        // Only real devices: pseudo file systems (proc, tmpfs, overlays) hold
        // nothing to browse, and a bind-mounted file is no folder at all.
        if (!volume.isValid() || !volume.isReady() || !volume.device().startsWith("/dev/"))
            continue;
        const QFileInfo info(root);
        if (roots.contains(root) || volumes.contains(root) || !info.isDir() || !info.isReadable())
            continue;
        volumes << root;
    }
    volumes.sort();
    roots << volumes;
    for (const QString& root : roots)
        drives.append({root, root});
    for (const WineDrive& drive : WineDrives(WinePrefix())) {
        const QString root = QString::fromStdU16String(drive.Folder.u16string());
        if (!roots.contains(root) && QFileInfo(root).isReadable())
            drives.append({QString::fromStdString(drive.Letter), root});
    }
    return drives;
}

}  // namespace tarnwick
