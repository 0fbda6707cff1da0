#include "ui/chunk/chunk_display.h"

#include <QApplication>

#include "ui/chunk/bitmap_view.h"
#include "model/chunk_dump.h"
#include "ui/chunk/chunk_lines_model.h"
#include "model/chunk_texts.h"
#include "ui/resource_map/show_resource_map.h"
#include "ui/chunk/sprite_view.h"
#include "model/string_table.h"

namespace tarnwick {

ChunkDisplay::~ChunkDisplay()
{
    delete form2_;
}

void ChunkDisplay::CloseWindow()
{
    if (form2_)
        form2_->close();
}

Form2& ChunkDisplay::Form()
{
    if (!form2_)
        form2_ = new Form2(owner_);
    return *form2_;
}

void ChunkDisplay::ShowChunk(std::int64_t chunkIndex)
{
    const ChunkInfo* found = module_.Chunks.Find(chunkIndex);
    if (found == nullptr)
        return;
    // A copy shares the file's bytes; the table may be refilled by a load that
    // runs while a window below waits for the user.
    const ChunkInfo chunk = *found;

    // The resource map opens its own window. The chunk display is left as it
    // is, so its header never stands over another chunk's contents.
    if (chunk.Type == "rsmp") {
        // Back to the window the user came from, so the arrow keys go on
        // stepping through its list.
        const QPointer<QWidget> active = QApplication::activeWindow();
        ShowResourceMap(module_, chunk);
        if (active)
            active->activateWindow();
        return;
    }

    Form2& form = Form();
    form.SetHeader(MakeChunkHeaderTexts(chunk));
    bool handled = false;
    if (chunk.Type == "STR#") {
        form.ShowList();
        form.Lines().Clear();
        handled = ShowStringTable(chunk);
    } else if (chunk.Type == "BMP_") {
        handled = ShowBitmap(form, chunk);
    } else if (chunk.Type == "SPR#") {
        handled = ShowSprite(form, chunk);
    }
    if (!handled) {
        form.ShowList(chunk.Type == "SPR#");
        form.Lines().ShowDump(ChunkDump(chunk));
    }
    if (form.isMinimized())
        form.showNormal();
    else
        form.show();
}

bool ChunkDisplay::ShowStringTable(const ChunkInfo& chunk)
{
    auto lines = DecodeStringTable(chunk.Data.span());
    if (!lines)
        return false;
    Form().Lines().AppendLines(std::move(*lines));
    return true;
}

}  // namespace tarnwick
