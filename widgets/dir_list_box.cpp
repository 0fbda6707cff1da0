#include "widgets/dir_list_box.h"

#include <QDir>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>

#include "system/archive_folders.h"
#include "widgets/archive_icon.h"
#include "widgets/drive_list_box.h"
#include "widgets/folder_names_model.h"
#include "widgets/folder_watch.h"
#include "widgets/path_text.h"

namespace tarnwick {

namespace {

constexpr int kIndentPerDepth = 8;  // pixels

// Moves each line, icon and all, right by its depth in the folder tree.
class IndentDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem shifted(option);
        shifted.rect.adjust(Indent(index), 0, 0, 0);
        QStyledItemDelegate::paint(painter, shifted, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(Indent(index), 0);
    }

private:
    static int Indent(const QModelIndex& index)
    {
        return index.data(FolderNamesModel::kDepthRole).toInt() * kIndentPerDepth;
    }
};

QString AbsoluteClean(const QString& path)
{
    if (path.isEmpty())
        return {};
    const QString native = QDir::fromNativeSeparators(path);
    return QDir::cleanPath(QDir::isAbsolutePath(native) ? native : QDir::currentPath() + u'/' + native);
}

// The folder holding `path`; a root is its own.
QString Parent(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    if (slash < 0 || path.size() == slash + 1)
        return path;
    return slash == 0 || (slash == 2 && path[1] == u':') ? path.left(slash + 1) : path.left(slash);
}

QString LastName(const QString& path) { return path.mid(path.lastIndexOf(u'/') + 1); }

// A drive's root shows as the drive list names it ("C:"), any other root as
// its path.
QString RootName(const QList<DriveEntry>& drives, const QString& root)
{
    for (const DriveEntry& drive : drives)
        if (drive.Root == root && drive.Name != root)
            return drive.Name + QDir::separator();
    return QDir::toNativeSeparators(ShownName(root));
}

// The folder and all folders above it up to its drive's root, the root first.
QStringList Ancestry(const QString& path, const QStringList& roots)
{
    const QString root = RootHolding(roots, path);
    QStringList chain;
    for (QString folder = path;; folder = Parent(folder)) {
        chain.prepend(folder);
        if (folder == root || Parent(folder) == folder)
            break;
    }
    return chain;
}

}  // namespace

DirListBox::DirListBox(QWidget* parent) : LineListView(parent), lines_(new FolderNamesModel(this))
{
    setModel(lines_);
    setItemDelegate(new IndentDelegate(this));
    SetLinesFitItems(true);
    // Names too long for the list end in an ellipsis and show whole in a tooltip.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
    connect(this, &QAbstractItemView::doubleClicked, this, &DirListBox::Open);
    connect(&FolderWatch::Instance(), &FolderWatch::changed, this, &DirListBox::FolderChanged);
    if (!Show(AbsoluteClean(QDir::currentPath())))
        Show(QDir::rootPath());
}

DirListBox::~DirListBox()
{
    if (!path_.isEmpty())
        FolderWatch::Instance().Unwatch(path_);
}

QString DirListBox::Path() const { return path_; }

void DirListBox::SetPath(const QString& path)
{
    const QString target = AbsoluteClean(path);
    if (target.isEmpty() || target.compare(path_, kPathCase) == 0)
        return;
    // The drive list hands over its root whenever its drive changes, also when
    // that change followed the user into another volume here: stay put then.
    const bool holdsCurrent = !path_.isEmpty() && RootHolding({target}, path_) == target;
    if (holdsCurrent && RootHolding(DriveRoots(), path_).compare(target, kPathCase) == 0)
        return;
    if (Show(target))
        emit changed();
}

void DirListBox::GoTo(const QString& path)
{
    const QString target = AbsoluteClean(path);
    if (!target.isEmpty() && target.compare(path_, kPathCase) != 0 && Show(target))
        emit changed();
}

void DirListBox::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && currentIndex().isValid()) {
        Open(currentIndex());
        event->accept();
        return;
    }
    LineListView::keyPressEvent(event);
}

void DirListBox::Open(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    const int row = index.row();
    QString target;
    if (row < lines_->LineCount()) {
        target = lines_->LineAt(row).Path;
    } else {
        const QString base = path_.endsWith(u'/') ? path_ : path_ + u'/';
        target = base + PathFromBytes(lines_->EntryName(row));
    }
    if (!target.isEmpty() && target != path_ && Show(target))
        emit changed();
}

bool DirListBox::Show(const QString& path)
{
    const std::shared_ptr<const FolderRead> folder = FolderWatch::Instance().Read(path);
    // A folder that cannot be read is still entered (the file list says why);
    // anything else, such as a pipe named like a folder, is never opened.
    // A declined archive is entered too, as the file list says why.
    if (!folder->Opened && !folder->InArchive && !IsFolder(PathBytes(path)))
        return false;
    std::vector<std::uint32_t> subfolders;
    const FolderListing& entries = folder->Entries;
    for (std::uint32_t i = 0; i < entries.Size(); ++i)
        if (entries.Kind(i) == EntryKind::Folder && !entries.Name(i).starts_with('.'))
            subfolders.push_back(i);
    // A folder's archives follow its subfolders, opened as folders are.
    const std::size_t folderCount = subfolders.size();
    if (!folder->InArchive)
        for (std::uint32_t i = 0; i < entries.Size(); ++i)
            if (entries.Kind(i) == EntryKind::File && !entries.Name(i).starts_with('.') &&
                IsArchiveName(entries.Name(i)))
                subfolders.push_back(i);

    // Listing the drives reads the mounts and the Wine links: once a folder.
    const QList<DriveEntry> drives = Drives();
    QStringList roots;
    for (const DriveEntry& drive : drives)
        roots << drive.Root;
    const QStringList ancestry = Ancestry(path, roots);
    QList<FolderNamesModel::Line> lines;
    for (qsizetype depth = 0; depth < ancestry.size(); ++depth) {
        const QString& above = ancestry[depth];
        lines.append({depth == 0 ? RootName(drives, above) : ShownName(LastName(above)), above,
                      static_cast<int>(depth)});
    }
    lines_->SetLook(style()->standardIcon(QStyle::SP_DirOpenIcon), style()->standardIcon(QStyle::SP_DirIcon),
                    static_cast<int>(ancestry.size()));
    lines_->SetLaterLook(ArchiveIcon(*style()), folderCount);

    if (path != path_) {
        if (!path_.isEmpty())
            FolderWatch::Instance().Unwatch(path_);
        FolderWatch::Instance().Watch(path);
    }
    path_ = path;
    lines_->Show(std::move(lines), folder, std::move(subfolders));
    setCurrentIndex(lines_->index(static_cast<int>(ancestry.size() - 1)));
    return true;
}

void DirListBox::FolderChanged(const QString& path)
{
    if (path != path_)
        return;
    // The folder itself may have gone: the nearest folder above that remains
    // is shown instead, and the file list follows it.
    for (QString folder = path_;; folder = Parent(folder)) {
        const auto read = FolderWatch::Instance().Read(folder);
        if (read->Opened || read->InArchive || IsFolder(PathBytes(folder)) || Parent(folder) == folder) {
            const int firstShown = verticalScrollBar()->value();
            const bool moved = folder != path_;
            Show(folder);
            if (moved)
                emit changed();
            else
                verticalScrollBar()->setValue(firstShown);
            return;
        }
    }
}

}  // namespace tarnwick
