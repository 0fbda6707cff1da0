#include "ui/chunk/bitmap_view.h"

#include <QDir>

#include "widgets/bitmap_file.h"
#include "widgets/picture_box.h"

namespace tarnwick {

bool ShowBitmap(ChunkWindow& window, const ChunkInfo& chunk)
{
    // The size field says how many content bytes follow the header; a chunk cut
    // short by the end of the file gives what it has.
    const std::int64_t contentSize = std::int64_t{chunk.Size} - std::int64_t{kChunkHeaderSize};
    const ByteString contents =
        chunk.Data.Slice(kChunkHeaderSize, contentSize > 0 ? static_cast<std::size_t>(contentSize) : 0);
    const QImage picture = DecodeBitmapThroughFile(contents.span(), QDir::currentPath());
    window.Picture().SetPicture(picture);
    if (picture.isNull())
        return false;
    window.ShowPicture();
    return true;
}

}  // namespace tarnwick
