#pragma once

#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>
#include <memory>

#include "system/archive_folders.h"
#include "system/folder_listing.h"

namespace tarnwick {

// One reading of a folder shared by the lists that show it, and one watch over
// the folders shown, for the whole program. A folder inside an archive (a path
// through a "*.far" file, see FindArchivePlace) is read from the archive's
// manifest and follows the archive: written, replaced or removed.
class FolderWatch : public QObject {
    Q_OBJECT
public:
    static FolderWatch& Instance();

    // The folder's contents (path as PathFromBytes gives it), read at most once
    // a turn of the event loop: the folder list and the file list, filled one
    // after the other for one folder, share one reading.
    [[nodiscard]] std::shared_ptr<const FolderRead> Read(const QString& path);
    // The archive at `path` (PathFromBytes form), read at most once a turn.
    [[nodiscard]] std::shared_ptr<const ArchiveContents> Archive(const QString& path);

    // Counts the lists that show `path`; Changed is raised for a folder while
    // one does.
    void Watch(const QString& path);
    void Unwatch(const QString& path);

signals:
    // An entry of the folder was added, removed or renamed, or the folder
    // itself went; raised once for a burst of changes.
    void changed(const QString& path);

private:
    explicit FolderWatch(QObject* parent);
    void Settle();
    void Note(const QString& path);
    // What the system watches for `path`: the folder itself, or an archive and
    // the folder holding it, where a replacement or removal shows.
    [[nodiscard]] QStringList WatchedFor(const QString& path) const;

    QFileSystemWatcher watcher_;
    QHash<QString, int> shownBy_;
    QHash<QString, QString> archiveOf_;  // shown paths inside an archive, and the archive
    QHash<QString, int> watchedBy_;      // the system's watches, counted
    QHash<QString, std::shared_ptr<const FolderRead>> readThisTurn_;
    QHash<QString, std::shared_ptr<const ArchiveContents>> archivesThisTurn_;
    QSet<QString> changed_;
    QTimer settle_;
};

}  // namespace tarnwick
