#pragma once

#include <QString>
#include <variant>

class QMimeData;

namespace tarnwick {

// A file or folder to show in the main window, as the command line or a drop
// names it.
// An archive ("*.far", any case) is a folder: Folder is the archive's path,
// then its inner folders, and FileName the member as the file list shows it.
struct OpenTarget {
    QString Folder;    // absolute, with '/' separators
    QString FileName;  // without its folder; empty when a folder was named
};

// The kinds of file the main window's options list.
enum class FileKind { Iff, Walls, Floors, Other };

// The kind a file's extension names, without regard to case.
[[nodiscard]] FileKind KindOfFile(const QString& fileName);

// The folder and file `path` names, or one line saying why it cannot be
// opened: it does not exist, cannot be read, or is neither a file nor a folder.
// With a `member`, `path` must name an archive that holds it.
[[nodiscard]] std::variant<OpenTarget, QString> FindOpenTarget(const QString& path,
                                                               const QString& member = {});

// The local file or folder of a drop of exactly one; empty for anything else.
[[nodiscard]] QString DroppedPath(const QMimeData& data);

}  // namespace tarnwick
