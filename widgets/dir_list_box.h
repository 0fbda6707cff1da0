#pragma once

#include <QString>

#include "widgets/line_list_view.h"

namespace tarnwick {

class FolderNamesModel;

// A folder list: the folders from the root down to the current one, each
// indented one step more, then the current folder's subfolders. Opening an
// entry (double click or Enter) makes it the current folder. The list follows
// the disk: subfolders added, removed or renamed show, and when the current
// folder goes the list moves up to the nearest folder that remains. Names that
// are not UTF-8 are listed and open as any other.
class DirListBox : public LineListView {
    Q_OBJECT
public:
    explicit DirListBox(QWidget* parent = nullptr);
    ~DirListBox() override;

    // The current folder, absolute, with '/' separators; bytes that are not
    // UTF-8 are kept as PathFromBytes keeps them.
    [[nodiscard]] QString Path() const;
    // Makes `path` the current folder and raises Change when it differs from
    // the old one. A drive's root, given while the current folder already lies
    // on that drive, changes nothing. A path that is no folder leaves the list
    // as it is; a folder that cannot be read is entered, without subfolders.
    void SetPath(const QString& path);
    // Makes `path` the current folder as SetPath does, also when it is the
    // root of the current folder's drive.
    void GoTo(const QString& path);

signals:
    void changed();

private:
    void keyPressEvent(QKeyEvent* event) override;  // Enter opens the selected entry
    void Open(const QModelIndex& index);
    // Lists `path` and makes it current; false, touching nothing, when it is
    // no folder.
    bool Show(const QString& path);
    void FolderChanged(const QString& path);

    QString path_;
    FolderNamesModel* lines_;
};

}  // namespace tarnwick
