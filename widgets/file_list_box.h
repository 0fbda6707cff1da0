#pragma once

#include <QString>
#include <memory>
#include <string>

#include "system/folder_listing.h"
#include "widgets/line_list_view.h"

namespace tarnwick {

class FolderNamesModel;
class ListClicks;

// The names of the files in one folder that match one pattern ("*.IFF"),
// without regard to case, sorted by name. Folders, hidden files, devices, pipes
// and links to anything but a file are not listed; names that are not UTF-8
// are, and load as any other. The list follows the folder on disk, keeping the
// selected name while its file remains. A folder that cannot be read shows why
// in a line that cannot be selected. Selecting a name raises Click.
class FileListBox : public LineListView {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent = nullptr);
    ~FileListBox() override;

    [[nodiscard]] QString Path() const { return path_; }
    void SetPath(const QString& path);  // refreshes the list
    [[nodiscard]] QString Pattern() const { return pattern_; }
    void SetPattern(const QString& pattern);  // refreshes the list
    // The selected name as shown, without its folder; empty when none is selected.
    [[nodiscard]] QString FileName() const;
    // The selected name's bytes, and its whole path's, exactly as the system
    // names them; empty when none is selected.
    [[nodiscard]] std::string FileNameBytes() const;
    [[nodiscard]] std::string FilePathBytes() const;
    // Selects the file `name` (as shown) and raises Click as a click on it
    // would, also when it was selected already; false when it is not listed.
    bool ChooseFile(const QString& name);

signals:
    void clicked();

private:
    [[nodiscard]] int SelectedRow() const;
    // Reads the folder again; a refresh of the folder shown keeps the place
    // in the list and the selected name while it is still there.
    void Refresh(bool keepPlace = false);
    void Fill(std::shared_ptr<const FolderRead> folder, bool keepPlace);
    void FolderChanged(const QString& path);

    QString path_;
    QString pattern_ = QStringLiteral("*.*");
    std::shared_ptr<const FolderRead> folder_;
    FolderNamesModel* names_;
    ListClicks* clicks_;
};

}  // namespace tarnwick
