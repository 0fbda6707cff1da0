#include "ui/chunk/sprite_view.h"

#include "model/chunk_window/sprite_preview.h"
#include "widgets/picture_box.h"

namespace tarnwick {

void ShowSprite(ChunkWindow& window, const ChunkInfo& chunk)
{
    window.show();
    window.ShowPicture(true);
    PictureBox& box = window.Picture();
    // A fresh preview: nothing of an earlier picture stays beneath it.
    box.Clear();
    QImage& canvas = box.Canvas();
    const ByteString contents = chunk.Data.Slice(kChunkHeaderSize, chunk.Data.size());
    DrawSpritePreview(contents.span(),
                      {std::span(reinterpret_cast<std::uint32_t*>(canvas.bits()),
                                 static_cast<std::size_t>(canvas.sizeInBytes()) / sizeof(std::uint32_t)),
                       static_cast<std::size_t>(canvas.width()), static_cast<std::size_t>(canvas.height()),
                       static_cast<std::size_t>(canvas.bytesPerLine()) / sizeof(std::uint32_t)});
    box.update();
}

}  // namespace tarnwick
