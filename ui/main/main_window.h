#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <optional>
#include <string>
#include <vector>

#include "model/container/chunk_loader.h"
#include "model/container/open_file.h"
#include "system/game_install.h"
#include "system/registry.h"
#include "ui/chunk/chunk_display.h"
#include "ui/main/file_stamp.h"
#include "ui/main/open_target.h"

class QGroupBox;
class QLabel;
class QRadioButton;

namespace tarnwick {

class ArchiveMenu;
class DirListBox;
class DriveListBox;
class LibraryWindow;
class FileListBox;
class InspectorLink;
class ListBox;
struct ArchivePlace;
struct Place;

// The main window: pick a file on the left, see its header and chunk list on
// the right, and open a chunk from the list.
class MainWindow : public QMainWindow, private LoadOutput {
public:
    // `installs` are the game's installs found at start: where the registry
    // names no game, the window opens on the first, and its Places menu lists all.
    MainWindow(OpenFile& openFile, Registry& registry, std::vector<GameInstall> installs = {});

    [[nodiscard]] ChunkDisplay& Display() { return display_; }
    [[nodiscard]] InspectorLink& Inspection() { return *inspection_; }
    [[nodiscard]] ArchiveMenu& Archives() { return *archiveMenu_; }

    // Shows the folder `path` names, or the folder of the file it names with
    // that file selected and loaded as a click on it does; an archive is a
    // folder, and `member` one of its files. Returns one line saying why when
    // it cannot, leaving the window as it was; else nothing.
    QString Open(const QString& path, const QString& member = {});

    // Opens the file `path` as Open does and shows its chunk `chunk` (1-based),
    // selected in the list when the list shows it.
    QString OpenAtChunk(const QString& path, const QString& member, ChunkNumber chunk);

    // Shows the library window, indexing `roots`, or every install's folders
    // when there are none.
    LibraryWindow& ShowLibrary(const std::vector<std::string>& roots = {});

protected:
    void closeEvent(QCloseEvent* event) override;
    // A single file or folder dropped is opened; anything else is refused.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void OpenStartFolder();
    void DriveChanged();
    void FolderChanged();
    void FileClicked();
    // True when `path` is the file shown, loaded whole and unchanged on disk since.
    [[nodiscard]] bool ShowsUnchanged(const std::string& path) const;
    void LoadMember(const ArchivePlace& place, const std::string& shownName);
    void IffChosen(bool on);
    void WallsChosen(bool on);
    void FloorsChosen(bool on);
    void ChunkClicked();
    void ShowCredits();
    void Exit();
    QString Show(const OpenTarget& target);
    void GoToPlace(const Place& place);

    // LoadOutput
    void ClearChunkList() override;
    void SetDetailsCaption(std::string_view caption) override;
    void SetHeaderTexts(const FileHeaderTexts& texts) override;
    void AddChunkLine(std::string_view line) override;
    bool LetPendingEventsRun() override;

    OpenFile& openFile_;
    Registry& registry_;
    std::vector<GameInstall> installs_;
    ChunkDisplay display_;
    QElapsedTimer sinceEventsRan_;
    bool closing_ = false;
    // The file clicked last, while a load is under way, to load once it stops.
    struct PendingLoad {
        std::string path;
        std::string name;
    };
    std::optional<PendingLoad> nextLoad_;
    bool loading_ = false;
    std::optional<FileStamp> loadedStamp_;  // the file shown, as it was when loaded

    FileListBox* fileList_;
    QRadioButton* iffOption_;
    QRadioButton* wallsOption_;
    QRadioButton* floorsOption_;
    DirListBox* folderList_;
    DriveListBox* driveList_;
    QGroupBox* detailsFrame_;
    QLabel* headerLine1_;
    QLabel* headerLine2_;
    QLabel* rsmpLocation_;
    ListBox* chunkList_;
    InspectorLink* inspection_;
    ArchiveMenu* archiveMenu_;
    LibraryWindow* library_ = nullptr;
};

}  // namespace tarnwick
