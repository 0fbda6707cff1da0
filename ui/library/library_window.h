#pragma once

#include <QElapsedTimer>
#include <QPixmap>
#include <QWidget>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

#include "library/conflicts.h"
#include "library/index_records.h"
#include "system/game_install.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableView;
class QTimer;

namespace tarnwick {

class LibraryTable;
class LibraryFilter;
class ThumbnailCache;
struct ThumbnailSource;

// The library: every object of the game and its downloads at a glance. The
// folders are indexed on worker threads while the tables fill; objects,
// files and GUID conflicts (counts per class at the top), sortable, filtered
// as you type, copied or exported as tab-separated text. Each object shows a
// small picture, made off the window's thread once its row is shown.
class LibraryWindow : public QWidget {
public:
    // `cacheFile` empty: no cache, every file read.
    explicit LibraryWindow(std::filesystem::path cacheFile, QWidget* parent = nullptr);
    ~LibraryWindow() override;

    // The folders to index: every install's game folder, Downloads and neighbourhoods.
    [[nodiscard]] static std::vector<std::string> InstallFolders(const std::vector<GameInstall>& installs);

    // Indexes these folders, replacing what the window showed.
    void Scan(const std::vector<std::string>& roots);
    void Cancel();
    [[nodiscard]] bool Scanning() const;

    void SetSearch(const QString& text);
    [[nodiscard]] QTableView& Objects() { return *objectsView_; }
    [[nodiscard]] QTableView& Files() { return *filesView_; }
    [[nodiscard]] QTableView& Conflicts() { return *conflictsView_; }
    [[nodiscard]] QProgressBar& Progress() { return *progress_; }
    [[nodiscard]] QString CountsText() const;
    // The rows of the table shown, as exported.
    [[nodiscard]] QString ShownTableAsTsv() const;
    // The picture of an object the objects table shows: nothing while it is
    // still to be made, a null pixmap when the object has none.
    [[nodiscard]] std::optional<QPixmap> ObjectPicture(const QModelIndex& shown);

    // A double-click on an object or a file: open it (an archive's member when
    // `member` is not empty) at that chunk (1-based; 0 for none).
    std::function<void(const QString& path, const QString& member, quint32 chunk)> OpenChunk;
    // Each scan's end, complete or cancelled.
    std::function<void()> ScanEnded;

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void TakeResults();
    void Finish();
    void ChooseFolder();
    void Export();
    void CopySelection();
    void Activated(const QModelIndex& index);
    QTableView* AddTable(const QString& caption, LibraryTable& table, LibraryFilter& filter);
    void ResetData();
    [[nodiscard]] ThumbnailSource PictureSource(int objectRow) const;

    std::filesystem::path cacheFile_;
    // Filled on the window's thread only.
    std::vector<library::FileRecord> files_;
    struct ObjectRow {
        std::size_t file;
        std::size_t object;
    };
    std::vector<ObjectRow> objects_;
    std::vector<library::ConflictGroup> groups_;
    std::vector<std::pair<std::size_t, library::ObjectPlace>> conflictRows_;

    // Shared with the scan's threads.
    std::mutex pendingLock_;
    std::vector<library::FileRecord> pending_;
    std::atomic<std::size_t> filesDone_{0};
    std::atomic<std::size_t> filesInAll_{0};
    std::atomic<bool> finished_{true};
    std::atomic<bool> cancelled_{false};
    QElapsedTimer elapsed_;

    LibraryTable* objectsTable_;
    LibraryTable* filesTable_;
    LibraryTable* conflictsTable_;
    LibraryFilter* objectsFilter_;
    LibraryFilter* filesFilter_;
    LibraryFilter* conflictsFilter_;
    QTableView* objectsView_;
    QTableView* filesView_;
    QTableView* conflictsView_;
    QTabWidget* tabs_;
    QLabel* counts_;
    QLabel* status_;
    QLineEdit* search_;
    QProgressBar* progress_;
    QPushButton* cancel_;
    QTimer* poll_;
    ThumbnailCache* thumbnails_;
    std::jthread scan_;  // last: stopped and joined before what it fills goes
};

}  // namespace tarnwick
