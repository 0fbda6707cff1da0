#include "model/chunk_loader.h"

#include "model/chunk_walker.h"
#include "model/file_reader.h"
#include "model/hex_text.h"

namespace tarnwick {

FileHeaderTexts ReadFileHeaderTexts(ByteSpan file)
{
    return {
        BytesAsText(ClampedSlice(file, 0, 35)),
        BytesAsText(ClampedSlice(file, 35, 25)),
        BigEndianHex(ClampedSlice(file, 60, 4)),
    };
}

void LoadChunkFile(Module1& module, std::string_view fileName, LoadOutput& output)
{
    const auto thisLoad = ++module.LoadsStarted;
    output.ClearChunkList();
    output.SetDetailsCaption("File Details for " + std::string(fileName));

    FileReadResult read = ReadWholeFile(module.FilePath);
    module.Chunks.Clear();
    if (!read.ok()) {
        module.FileData = ByteString();
        output.SetHeaderTexts({});
        output.AddChunkLine(std::string(kReadErrorPrefix) + read.error);
        return;
    }
    module.FileData = ByteString(std::move(read.bytes));
    output.SetHeaderTexts(ReadFileHeaderTexts(module.FileData.span()));

    // The walker holds its own share of the bytes, so a newer load that replaces
    // FileData while events run cannot pull them from under it.
    ChunkWalker walker(module.FileData);
    while (auto chunk = walker.Next()) {
        const std::string line = ChunkListLine(module.Chunks.Count() + 1, *chunk);
        module.Chunks.Add(std::move(*chunk));
        output.AddChunkLine(line);
        if (!output.LetPendingEventsRun() || module.LoadsStarted != thisLoad)
            return;
    }
    if (walker.LeftChunksOut())
        output.AddChunkLine(kTooManyChunksLine);
}

}  // namespace tarnwick
