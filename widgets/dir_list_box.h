#pragma once

#include <QListWidget>
#include <QString>

namespace tarnwick {

// A folder list: the folders from the root down to the current one, each
// indented one step more, then the current folder's subfolders. Opening an
// entry (double click or Enter) makes it the current folder.
class DirListBox : public QListWidget {
    Q_OBJECT
public:
    explicit DirListBox(QWidget* parent = nullptr);

    // The current folder, absolute, with '/' separators.
    [[nodiscard]] QString Path() const;
    // Makes `path` the current folder and raises Change when it differs from
    // the old one. A drive's root, given while the current folder already lies
    // on that drive, changes nothing. A folder that does not exist or cannot
    // be read leaves the list as it is.
    void SetPath(const QString& path);
    // Makes `path` the current folder as SetPath does, also when it is the
    // root of the current folder's drive.
    void GoTo(const QString& path);

signals:
    void Change();

private:
    void keyPressEvent(QKeyEvent* event) override;  // Enter opens the selected entry
    void Open(QListWidgetItem* item);
    // Lists `path` and makes it current; false, touching nothing, when it
    // cannot be listed.
    bool Show(const QString& path);

    QString path_;
};

}  // namespace tarnwick
