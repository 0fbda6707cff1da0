#include "widgets/drive_list_box.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "system/wine_paths.h"
#include "system/wine_prefix.h"

namespace tarnwick {

namespace {

#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseSensitive;
#endif

bool Contains(const QString& root, const QString& path)
{
    const QString prefix = root.endsWith(u'/') ? root : root + u'/';
    return (path + u'/').startsWith(prefix, kPathCase);
}

}  // namespace

QList<DriveEntry> Drives()
{
    QList<DriveEntry> drives;
#ifdef Q_OS_WIN
    for (const QFileInfo& drive : QDir::drives())
        drives.append({QDir::toNativeSeparators(drive.absoluteFilePath()).chopped(1), drive.absoluteFilePath()});
#else
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
#endif
    return drives;
}

QStringList DriveRoots()
{
    QStringList roots;
    for (const DriveEntry& drive : Drives())
        roots << drive.Root;
    return roots;
}

QString RootHolding(const QStringList& roots, const QString& path)
{
    const QString cleaned = QDir::cleanPath(QDir::fromNativeSeparators(path));
    QString best;
    for (const QString& root : roots) {
        if (root.size() > best.size() && Contains(root, cleaned))
            best = root;
    }
    return best;
}

DriveListBox::DriveListBox(QWidget* parent) : QComboBox(parent)
{
    for (const DriveEntry& drive : Drives())
        addItem(drive.Name, drive.Root);
    // Connected after filling, so only real changes, by code or by the user, count.
    connect(this, &QComboBox::currentIndexChanged, this, &DriveListBox::changed);
    connect(this, &QComboBox::currentIndexChanged, this, &DriveListBox::ShowCutNameInTip);
    ShowCutNameInTip();
}

void DriveListBox::resizeEvent(QResizeEvent* event)
{
    QComboBox::resizeEvent(event);
    ShowCutNameInTip();
}

void DriveListBox::ShowCutNameInTip()
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    const bool cut = fontMetrics().horizontalAdvance(currentText()) > field.width();
    setToolTip(cut ? currentText() : QString());
}

QString DriveListBox::Drive() const
{
    return currentData().toString();
}

void DriveListBox::SetDrive(const QString& path)
{
    QStringList roots;
    for (int i = 0; i < count(); ++i)
        roots << itemData(i).toString();
    const QString root = RootHolding(roots, path);
    if (!root.isEmpty())
        setCurrentIndex(static_cast<int>(roots.indexOf(root)));
}

}  // namespace tarnwick
