#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include "model/container/open_file.h"
#include "ui/inspector/inspector_window.h"

namespace tarnwick {

class ListBox;

// Ties the inspector to the main window's chunk list: a double-click or Enter
// on a line, or "&Inspect" in the line's context menu, opens it on that chunk;
// while it is open it follows the selected line. The list's own click
// behaviour is left as it is.
class InspectorLink : public QObject {
public:
    InspectorLink(ListBox& chunkList, const OpenFile& openFile, QWidget* owner);

    // A load is starting: the inspector must not show a chunk of the file
    // being left.
    void Clear();
    void Close();
    // Given to the window when it opens: see InspectorWindow.
    void SetOpenElsewhere(InspectorWindow::OpenElsewhere open) { openElsewhere_ = std::move(open); }
    void SetLinkSources(LinkSources sources) { linkSources_ = std::move(sources); }
    // Opens the inspector on chunk `number` of the open file, as Enter on its
    // line does; a chunk past the list's lines is shown with none selected.
    void InspectChunk(ChunkNumber number);
    // The window, or nullptr while none is open.
    [[nodiscard]] InspectorWindow* Window() const { return window_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;  // Enter on the list

private:
    void Inspect(int row);
    void Follow();
    void ShowMenu(const QPoint& at);

    ListBox& list_;
    const OpenFile& openFile_;
    QWidget* owner_;
    QPointer<InspectorWindow> window_;
    InspectorWindow::OpenElsewhere openElsewhere_;
    LinkSources linkSources_;
    // Following waits for the events already queued: with an arrow key held
    // down only the line reached is decoded, never each one passed.
    QTimer follow_;
};

}  // namespace tarnwick
