#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "model/container/open_file.h"
#include "ui/inspector/called_behaviour_finder.h"
#include "ui/inspector/inspector_context.h"
#include "ui/inspector/inspector_view.h"
#include "ui/inspector/link_history.h"
#include "ui/inspector/link_sources.h"
#include "ui/inspector/replaced_object_finder.h"

class QAction;
class QLabel;
class QMenu;
class QToolButton;
class QVBoxLayout;

namespace tarnwick {

// The inspector: one chunk of the open file decoded in full, under a strip of
// its header fields, with copy and "Save as". Modeless and resizable; its
// geometry is kept between runs.
class InspectorWindow : public QWidget {
public:
    // What "Save as" writes. A picture or a sheet is written as BMP when its
    // name ends in ".bmp", else as PNG; a chunk's contents leave out its
    // 76-byte header, the whole chunk keeps it.
    enum class Save { Picture, AllFrames, SpriteSheet, Table, Contents, WholeChunk };

    explicit InspectorWindow(const OpenFile& openFile, QWidget* owner = nullptr);

    // Shows chunk `number` of the open file; a number that names no chunk
    // empties the window.
    void ShowChunk(ChunkNumber number);
    // Shows no chunk and forgets Back and Forward, as when another file is
    // being loaded.
    void Clear();
    [[nodiscard]] ChunkNumber ChunkIndex() const { return shown_; }
    [[nodiscard]] InspectorView* View() const { return view_.get(); }

    // Follows a link to chunk `number`: selects it in the main list and shows
    // it, remembering the chunk left for Back. Done on the next turn of the
    // event loop, since the link's own view is replaced.
    void FollowLink(ChunkNumber number);
    // Follows a link into another file (a call, the game object a download
    // replaces): opens that file or archive member in the main window and
    // shows the chunk, remembering the chunk left for Back. Done on the next
    // turn of the event loop.
    void FollowElsewhere(const library::ChunkPlace& place);
    // Back and Forward through followed links, as in a browser (Alt+Left,
    // Alt+Right, the mouse's side buttons), to another file too; false when
    // there is nowhere to go.
    bool GoBack();
    bool GoForward();
    [[nodiscard]] InspectorContext& Context() { return context_; }

    // Called with the number of a chunk the user picked inside the inspector
    // (an entry of a resource map, a followed link).
    void SetPickChunk(std::function<void(ChunkNumber)> pick) { pickChunk_ = std::move(pick); }
    // How the main window opens a loose file or an archive's member (stored
    // name) so that links lead into other files; true once it shows it.
    using OpenElsewhere = std::function<bool(const std::string& path, const std::string& member)>;
    void SetOpenElsewhere(OpenElsewhere open) { openElsewhere_ = std::move(open); }
    void SetLinkSources(const LinkSources& sources)
    {
        called_.SetInstalledGame(sources.installedGame);
        replaced_.SetSources(sources);
    }

    // Writes what `what` names to `path` (a folder for all frames) without
    // asking; returns why not, or an empty text once written.
    [[nodiscard]] QString SaveTo(Save what, const QString& path) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // The mouse's side buttons and Ctrl+C over a view that takes them.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ClearView();
    bool GoByMouse(Qt::MouseButton button);
    void FillSaveMenu();
    void AskAndSave(Save what, const QString& suffix, const QString& filter);
    void PickOffset(std::int32_t offset);
    void Select(ChunkNumber number);
    [[nodiscard]] LinkStop Here() const { return {openFile_.FilePath, openFile_.MemberName, shown_}; }
    bool OpenFileOf(const LinkStop& stop);
    bool GoTo(const LinkStop& stop);
    void UpdateHistoryActions();
    void ShowReplacedObjects();

    const OpenFile& openFile_;
    std::optional<ChunkInfo> chunk_;  // shares the bytes of the file it came from
    ChunkNumber shown_ = 0;
    std::function<void(ChunkNumber)> pickChunk_;
    OpenElsewhere openElsewhere_;
    bool openingElsewhere_ = false;  // while the main window loads a file for a link
    QLabel* header_;
    QLabel* warning_;
    QLabel* note_;
    QVBoxLayout* layout_;
    std::unique_ptr<InspectorView> view_;  // a child of the window while it lives
    QToolButton* save_;
    QMenu* saveMenu_;
    CalledBehaviourFinder called_;
    ReplacedObjectFinder replaced_;
    InspectorContext context_;
    LinkHistory history_;
    QAction* copy_;
    QAction* back_;
    QAction* forward_;
};

}  // namespace tarnwick
