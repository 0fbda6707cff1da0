#include "widgets/drive_list_box.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace tarnwick {

namespace {

bool Contains(const QString& root, const QString& path)
{
    const QString prefix = root.endsWith(u'/') ? root : root + u'/';
    return (path + u'/').startsWith(prefix, kPathCase);
}

}  // namespace

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
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    const bool cut = fontMetrics().horizontalAdvance(currentText()) > field.width();
    setToolTip(cut ? currentText() : QString());
}

QString DriveListBox::Drive() const { return currentData().toString(); }

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
