#include "ui/chunk/chunk_display.h"

#include <QApplication>

#include "model/chunk_window/chunk_dump.h"
#include "model/chunk_window/chunk_texts.h"
#include "model/chunk_window/chunk_view.h"
#include "model/chunk_window/string_lines.h"
#include "ui/chunk/bitmap_view.h"
#include "ui/chunk/chunk_lines_model.h"
#include "ui/chunk/sprite_view.h"
#include "ui/resource_map/show_resource_map.h"

namespace tarnwick {

namespace {

// The dump of the chunk's contents; a sprite's preview stays above it.
void ShowDump(ChunkWindow& window, const ChunkInfo& chunk, bool keepPicture = false)
{
    window.ShowList(keepPicture);
    window.Lines().ShowDump(ChunkDump(chunk));
}

}  // namespace

ChunkDisplay::~ChunkDisplay() { delete window_; }

void ChunkDisplay::CloseWindow()
{
    if (window_)
        window_->close();
}

void ChunkDisplay::LetGoOfTheFile()
{
    if (window_ && !window_->Lines().KeepDumpApart(kLargestKeptChunk)) {
        window_->Lines().ShowLines({});  // now: the window itself goes once events run
        window_->close();
    }
}

ChunkWindow& ChunkDisplay::OpenWindow()
{
    if (!window_)
        window_ = new ChunkWindow(owner_);
    return *window_;
}

void ChunkDisplay::ShowChunk(ChunkNumber number)
{
    const ChunkInfo* found = openFile_.Chunks.Find(number);
    if (found == nullptr)
        return;
    // A copy shares the file's bytes; the table may be refilled by a load that
    // runs while a window below waits for the user.
    const ChunkInfo chunk = *found;
    const ChunkView view = ChunkViewFor(chunk.Type);
    if (view == ChunkView::ResourceMap) {
        ShowResourceMapOf(chunk);
        return;
    }

    ChunkWindow& window = OpenWindow();
    window.SetHeader(MakeChunkHeaderTexts(chunk));
    switch (view) {
    case ChunkView::StringTable:
        if (auto lines = DecodeStringTable(chunk.Data.span())) {
            window.ShowList();
            window.Lines().ShowLines(std::move(*lines));
        } else {
            ShowDump(window, chunk);
        }
        break;
    case ChunkView::Bitmap:
        if (!ShowBitmap(window, chunk))
            ShowDump(window, chunk);
        break;
    case ChunkView::SpritePreview:
        ShowSprite(window, chunk);
        ShowDump(window, chunk, true);
        break;
    case ChunkView::Dump:
    case ChunkView::ResourceMap:
        ShowDump(window, chunk);
        break;
    }
    if (window.isMinimized())
        window.showNormal();
    else
        window.show();
}

void ChunkDisplay::ShowResourceMapOf(const ChunkInfo& chunk)
{
    // The resource map opens its own window. The chunk window is left as it
    // is, so its header never stands over another chunk's contents. Afterwards
    // the window the user came from is active again, so the arrow keys go on
    // stepping through its list.
    const QPointer<QWidget> active = QApplication::activeWindow();
    ShowResourceMap(openFile_, chunk);
    if (active)
        active->activateWindow();
}

}  // namespace tarnwick
