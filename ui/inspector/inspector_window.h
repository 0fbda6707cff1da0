#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "model/container/open_file.h"
#include "ui/inspector/inspector_context.h"

class QLabel;
class QMenu;
class QToolButton;
class QVBoxLayout;

namespace tarnwick {

class InspectorView;

// The inspector: one chunk of the open file decoded in full, under a strip of
// its header fields, with copy and "Save as". Modeless and resizable; its
// geometry is kept between runs.
class InspectorWindow : public QWidget {
public:
    enum class Save { Picture, AllFrames, SpriteSheet, Table, RawBytes };

    explicit InspectorWindow(const OpenFile& openFile, QWidget* owner = nullptr);

    // Shows chunk `chunkIndex` (1-based) of the open file; an index that names
    // no chunk empties the window.
    void ShowChunk(std::int64_t chunkIndex);
    // Shows no chunk and forgets Back and Forward, as when another file is
    // being loaded.
    void Clear();
    [[nodiscard]] std::int64_t ChunkIndex() const { return chunkIndex_; }
    [[nodiscard]] InspectorView* View() const { return view_; }

    // Follows a link to chunk `chunkIndex` (1-based): selects it in the main
    // list and shows it, remembering the chunk left for Back. Done on the next
    // turn of the event loop, since the link's own view is replaced.
    void FollowLink(std::size_t chunkIndex);
    // Back and Forward through followed links, as in a browser (Alt+Left,
    // Alt+Right, the mouse's side buttons); false when there is nowhere to go.
    bool GoBack();
    bool GoForward();
    [[nodiscard]] InspectorContext& Context() { return context_; }

    // Called with the 1-based number of a chunk the user picked inside the
    // inspector (an entry of a resource map, a followed link).
    void SetPickChunk(std::function<void(std::int64_t)> pick) { pickChunk_ = std::move(pick); }

    // Writes what `what` names to `path` (a folder for all frames) without
    // asking; returns why not, or an empty text once written.
    [[nodiscard]] QString SaveTo(Save what, const QString& path) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // Ctrl+C inside a view: item views would copy their current cell alone.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ClearView();
    bool GoByMouse(Qt::MouseButton button);
    void FillSaveMenu();
    void AskAndSave(Save what);
    void PickOffset(std::int32_t offset);
    void Go(std::vector<std::int64_t>& from, std::vector<std::int64_t>& to);
    void Select(std::int64_t chunkIndex);
    void UpdateHistoryButtons();

    const OpenFile& openFile_;
    std::optional<ChunkInfo> chunk_;  // shares the bytes of the file it came from
    std::int64_t chunkIndex_ = 0;
    std::function<void(std::int64_t)> pickChunk_;
    QLabel* header_;
    QLabel* warning_;
    QLabel* note_;
    QVBoxLayout* layout_;
    InspectorView* view_ = nullptr;
    QToolButton* save_;
    QMenu* saveMenu_;
    InspectorContext context_;
    std::vector<std::int64_t> back_;  // chunks left by following links, the last one last
    std::vector<std::int64_t> forward_;
    QToolButton* backButton_;
    QToolButton* forwardButton_;
};

}  // namespace tarnwick
