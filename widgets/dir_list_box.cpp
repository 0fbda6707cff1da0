#include "widgets/dir_list_box.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>
#include <QStyledItemDelegate>

#include "widgets/drive_list_box.h"

namespace tarnwick {

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kDepthRole = Qt::UserRole + 1;
constexpr int kIndentPerDepth = 8;  // pixels

#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseSensitive;
#endif

// Moves each line, icon and all, right by its depth in the folder tree.
class IndentDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
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
    static int Indent(const QModelIndex& index) { return index.data(kDepthRole).toInt() * kIndentPerDepth; }
};

QString AbsoluteClean(const QString& path)
{
    if (path.isEmpty())
        return {};
    return QDir::cleanPath(QFileInfo(QDir::fromNativeSeparators(path)).absoluteFilePath());
}

// Whether the folder's entries can be listed; this never opens the path, so
// a pipe or a device named like a folder is simply refused.
bool CanList(const QFileInfo& info)
{
#ifdef Q_OS_WIN
    return info.isDir() && info.isReadable();
#else
    return info.isDir() && info.isReadable() && info.isExecutable();
#endif
}

// A drive's root shows as the drive list names it ("C:"), any other root as
// its path.
QString RootName(const QList<DriveEntry>& drives, const QString& root)
{
    for (const DriveEntry& drive : drives)
        if (drive.Root == root && drive.Name != root)
            return drive.Name + QDir::separator();
    return QDir::toNativeSeparators(root);
}

// The folder and all folders above it up to its drive's root, the root first.
QStringList Ancestry(const QString& path, const QStringList& roots)
{
    const QString root = RootHolding(roots, path);
    QStringList chain;
    for (QString folder = path;; folder = QFileInfo(folder).path()) {
        chain.prepend(folder);
        if (folder == root || QFileInfo(folder).path() == folder)
            break;
    }
    return chain;
}

}  // namespace

DirListBox::DirListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);  // keeps large folders quick to lay out
    setItemDelegate(new IndentDelegate(this));
    connect(this, &QListWidget::itemDoubleClicked, this, &DirListBox::Open);
    if (!Show(AbsoluteClean(QDir::currentPath())))
        Show(QDir::rootPath());
}

QString DirListBox::Path() const
{
    return path_;
}

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
        emit Change();
}

void DirListBox::GoTo(const QString& path)
{
    const QString target = AbsoluteClean(path);
    if (!target.isEmpty() && target.compare(path_, kPathCase) != 0 && Show(target))
        emit Change();
}

void DirListBox::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && currentItem() != nullptr) {
        Open(currentItem());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void DirListBox::Open(QListWidgetItem* item)
{
    const QString target = item->data(kPathRole).toString();
    if (target != path_ && Show(target))
        emit Change();
}

bool DirListBox::Show(const QString& path)
{
    if (!CanList(QFileInfo(path)))
        return false;
    const QStringList subfolders =
        QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    // Listing the drives reads the mounts and the Wine links: once a folder.
    const QList<DriveEntry> drives = Drives();
    QStringList roots;
    for (const DriveEntry& drive : drives)
        roots << drive.Root;
    const QStringList ancestry = Ancestry(path, roots);
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirIcon);
    const QString base = path.endsWith(u'/') ? path : path + u'/';

    const auto add = [this](const QIcon& icon, const QString& text, const QString& folder, qsizetype depth) {
        auto* item = new QListWidgetItem(icon, text);
        item->setData(kPathRole, folder);
        item->setData(kDepthRole, static_cast<int>(depth));
        addItem(item);
    };
    clear();
    path_ = path;
    for (qsizetype depth = 0; depth < ancestry.size(); ++depth) {
        const QString& folder = ancestry[depth];
        add(openIcon, depth == 0 ? RootName(drives, folder) : QFileInfo(folder).fileName(), folder, depth);
    }
    for (const QString& name : subfolders)
        add(closedIcon, name, base + name, ancestry.size());
    setCurrentRow(static_cast<int>(ancestry.size() - 1));
    return true;
}

}  // namespace tarnwick
