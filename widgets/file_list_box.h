#pragma once

#include <QString>

#include "widgets/list_box.h"

namespace tarnwick {

// The names of the files in one folder that match one pattern ("*.IFF"),
// without regard to case, sorted by name. Folders, hidden files, devices and
// pipes are not listed. Selecting a name raises Click.
class FileListBox : public ListBox {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent = nullptr);

    [[nodiscard]] QString Path() const { return path_; }
    void SetPath(const QString& path);  // refreshes the list
    [[nodiscard]] QString Pattern() const { return pattern_; }
    void SetPattern(const QString& pattern);  // refreshes the list
    // The selected name, without its folder; empty when none is selected.
    [[nodiscard]] QString FileName() const;

private:
    void Refresh();

    QString path_;
    QString pattern_ = QStringLiteral("*.*");
};

}  // namespace tarnwick
