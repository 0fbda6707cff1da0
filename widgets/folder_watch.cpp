#include "widgets/folder_watch.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>

#include "widgets/path_text.h"

namespace tarnwick {

namespace {

// Changes closer together than this make one refresh: a program writing many
// files refreshes the lists a few times, not once a file.
constexpr int kSettleMilliseconds = 100;

QString FolderHolding(const QString& file)
{
    const qsizetype slash = file.lastIndexOf(u'/');
    return slash <= 0 ? QStringLiteral("/") : file.left(slash + (file.at(slash - 1) == u':' ? 1 : 0));
}

}  // namespace

FolderWatch& FolderWatch::Instance()
{
    static QPointer<FolderWatch> instance;
    if (!instance)
        instance = new FolderWatch(QCoreApplication::instance());
    return *instance;
}

FolderWatch::FolderWatch(QObject* parent) : QObject(parent)
{
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMilliseconds);
    connect(&settle_, &QTimer::timeout, this, &FolderWatch::Settle);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &FolderWatch::Note);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &FolderWatch::Note);
}

std::shared_ptr<const FolderRead> FolderWatch::Read(const QString& path)
{
    if (auto read = readThisTurn_.value(path))
        return read;
    if (readThisTurn_.isEmpty() && archivesThisTurn_.isEmpty())
        QTimer::singleShot(0, this, [this] {
            readThisTurn_.clear();
            archivesThisTurn_.clear();
        });
    const std::string bytes = PathBytes(path);
    std::shared_ptr<const FolderRead> read;
    if (const auto place = FindArchivePlace(bytes))
        read = std::make_shared<const FolderRead>(
            ReadArchiveFolder(*Archive(PathFromBytes(place->Archive)), place->Inner));
    else
        read = std::make_shared<const FolderRead>(ReadFolder(bytes));
    readThisTurn_.insert(path, read);
    return read;
}

std::shared_ptr<const ArchiveContents> FolderWatch::Archive(const QString& path)
{
    if (auto contents = archivesThisTurn_.value(path))
        return contents;
    if (readThisTurn_.isEmpty() && archivesThisTurn_.isEmpty())
        QTimer::singleShot(0, this, [this] {
            readThisTurn_.clear();
            archivesThisTurn_.clear();
        });
    auto contents = std::make_shared<const ArchiveContents>(ReadArchiveContents(PathBytes(path)));
    archivesThisTurn_.insert(path, contents);
    return contents;
}

QStringList FolderWatch::WatchedFor(const QString& path) const
{
    QStringList watched;
    const QString archive = archiveOf_.value(path);
    if (archive.isEmpty()) {
        watched.append(path);
    } else {
        watched.append(archive);
        watched.append(FolderHolding(archive));
    }
    return watched;
}

void FolderWatch::Watch(const QString& path)
{
    if (shownBy_[path]++ == 0)
        if (const auto place = FindArchivePlace(PathBytes(path)))
            archiveOf_.insert(path, PathFromBytes(place->Archive));
    // The watcher forgets a folder or file that is removed; one made again
    // under the same name is watched afresh.
    for (const QString& watched : WatchedFor(path)) {
        ++watchedBy_[watched];
        if (!watcher_.directories().contains(watched) && !watcher_.files().contains(watched))
            watcher_.addPath(watched);
    }
}

void FolderWatch::Unwatch(const QString& path)
{
    const auto shown = shownBy_.find(path);
    if (shown == shownBy_.end())
        return;
    for (const QString& watched : WatchedFor(path)) {
        const auto count = watchedBy_.find(watched);
        if (count != watchedBy_.end() && --*count == 0) {
            watchedBy_.erase(count);
            watcher_.removePath(watched);
        }
    }
    if (--*shown > 0)
        return;
    shownBy_.erase(shown);
    archiveOf_.remove(path);
}

void FolderWatch::Note(const QString& path)
{
    changed_.insert(path);
    // The shown folders of an archive change with the archive, and with the
    // folder holding it, where it is replaced or removed.
    for (auto shown = archiveOf_.cbegin(); shown != archiveOf_.cend(); ++shown)
        if (shown.value() == path || FolderHolding(shown.value()) == path)
            changed_.insert(shown.key());
    settle_.start();
}

void FolderWatch::Settle()
{
    const QSet<QString> settled = std::exchange(changed_, {});
    for (const QString& path : settled) {
        readThisTurn_.remove(path);
        archivesThisTurn_.remove(path);
    }
    for (auto shown = archiveOf_.cbegin(); shown != archiveOf_.cend(); ++shown) {
        archivesThisTurn_.remove(shown.value());
        // A replaced archive is a new file: the watch goes to it.
        if (settled.contains(shown.key()) && !watcher_.files().contains(shown.value()) &&
            QFileInfo(shown.value()).isFile())
            watcher_.addPath(shown.value());
    }
    for (const QString& path : settled)
        emit changed(path);
}

}  // namespace tarnwick
