#pragma once

#include <QList>
#include <QString>

namespace tarnwick {

// A drive as the drive list shows it: its name and its root folder.
struct DriveEntry {
    QString Name;  // "C:", "/", "/media/usb"
    QString Root;  // "C:/", "/", "/home/me/.wine/drive_c"
};

// The drives the user can browse: the drive letters on Windows; elsewhere "/"
// first, then the mounted volumes on real devices that can be read, then the
// drive letters of the Wine prefix, whose programs name their folders by them.
// Each system's variant is a file of its own.
[[nodiscard]] QList<DriveEntry> Drives();

// Whether paths of this system differ by the case of their letters.
extern const Qt::CaseSensitivity kPathCase;

}  // namespace tarnwick
