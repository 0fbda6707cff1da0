#include "widgets/file_list_box.h"

#include <QDir>
#include <QFileInfo>

namespace tarnwick {

FileListBox::FileListBox(QWidget* parent) : ListBox(parent) {}

void FileListBox::SetPath(const QString& path)
{
    path_ = path;
    Refresh();
}

void FileListBox::SetPattern(const QString& pattern)
{
    pattern_ = pattern;
    Refresh();
}

QString FileListBox::FileName() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void FileListBox::Refresh()
{
    clear();
    if (path_.isEmpty() || !QFileInfo(path_).isDir())
        return;
    // Files without System leaves out pipes, sockets and devices, so nothing
    // listed here can block when opened; name filters ignore case by default.
    const QDir folder(path_, pattern_, QDir::Name | QDir::IgnoreCase, QDir::Files);
    addItems(folder.entryList());
}

}  // namespace tarnwick
