#pragma once

#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>
#include <memory>

#include "system/folder_listing.h"

namespace tarnwick {

// One reading of a folder shared by the lists that show it, and one watch over
// the folders shown, for the whole program.
class FolderWatch : public QObject {
    Q_OBJECT
public:
    static FolderWatch& Instance();

    // The folder's contents (path as PathFromBytes gives it), read at most once
    // a turn of the event loop: the folder list and the file list, filled one
    // after the other for one folder, share one reading.
    [[nodiscard]] std::shared_ptr<const FolderRead> Read(const QString& path);

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

    QFileSystemWatcher watcher_;
    QHash<QString, int> shownBy_;
    QHash<QString, std::shared_ptr<const FolderRead>> readThisTurn_;
    QSet<QString> changed_;
    QTimer settle_;
};

}  // namespace tarnwick
