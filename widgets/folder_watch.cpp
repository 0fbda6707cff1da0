#include "widgets/folder_watch.h"

#include <QCoreApplication>
#include <QPointer>

#include "widgets/path_text.h"

namespace tarnwick {

namespace {

// Changes closer together than this make one refresh: a program writing many
// files refreshes the lists a few times, not once a file.
constexpr int kSettleMilliseconds = 100;

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
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this](const QString& path) {
        changed_.insert(path);
        settle_.start();
    });
}

std::shared_ptr<const FolderRead> FolderWatch::Read(const QString& path)
{
    if (auto read = readThisTurn_.value(path))
        return read;
    if (readThisTurn_.isEmpty())
        QTimer::singleShot(0, this, [this] { readThisTurn_.clear(); });
    auto read = std::make_shared<const FolderRead>(ReadFolder(PathBytes(path)));
    readThisTurn_.insert(path, read);
    return read;
}

void FolderWatch::Watch(const QString& path)
{
    // The watcher forgets a folder that is removed; one made again under the
    // same name is watched afresh.
    if (shownBy_[path]++ == 0 || !watcher_.directories().contains(path))
        watcher_.addPath(path);
}

void FolderWatch::Unwatch(const QString& path)
{
    const auto shown = shownBy_.find(path);
    if (shown == shownBy_.end() || --*shown > 0)
        return;
    shownBy_.erase(shown);
    watcher_.removePath(path);
}

void FolderWatch::Settle()
{
    const QSet<QString> settled = std::exchange(changed_, {});
    for (const QString& path : settled) {
        readThisTurn_.remove(path);
        emit changed(path);
    }
}

}  // namespace tarnwick
