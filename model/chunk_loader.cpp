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

void LoadChunkFile(OpenFile& openFile, const std::string& path, std::string_view fileName, LoadOutput& output)
{
    openFile.FilePath = path;
    output.ClearChunkList();
    output.SetDetailsCaption("File Details for " + std::string(fileName));

    FileReadResult read = ReadWholeFile(openFile.FilePath);
    openFile.Chunks.Clear();
    if (!read.ok()) {
        openFile.FileData = ByteString();
        output.SetHeaderTexts({});
        output.AddChunkLine(std::string(kReadErrorPrefix) + read.error);
        return;
    }
    openFile.FileData = ByteString(std::move(read.bytes));
    output.SetHeaderTexts(ReadFileHeaderTexts(openFile.FileData.span()));

    ChunkWalker walker(openFile.FileData);
    while (auto chunk = walker.Next()) {
        const std::string line = ChunkListLine(openFile.Chunks.Count() + 1, *chunk);
        openFile.Chunks.Add(std::move(*chunk));
        output.AddChunkLine(line);
        if (!output.LetPendingEventsRun())
            return;
    }
    if (walker.LeftChunksOut())
        output.AddChunkLine(kTooManyChunksLine);
}

}  // namespace tarnwick
