#include "model/container/chunk_loader.h"

#include "model/container/chunk_walker.h"
#include "model/container/file_reader.h"
#include "model/text/hex_text.h"

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
    openFile.MemberName.clear();
    output.ClearChunkList();
    output.SetDetailsCaption("File Details for " + std::string(fileName));

    // The file loaded before goes first, so that two large files are never
    // held at once.
    openFile.Chunks.Clear();
    openFile.FileData = ByteString();
    FileReadResult read = ReadWholeFile(openFile.FilePath);
    if (!read.ok()) {
        output.SetHeaderTexts({});
        output.AddChunkLine(std::string(kReadErrorPrefix) + read.error);
        return;
    }
    LoadChunkBytes(openFile, ByteString(std::move(read.bytes)), output);
}

void LoadChunkBytes(OpenFile& openFile, ByteString file, LoadOutput& output)
{
    openFile.Chunks.Clear();
    openFile.FileData = std::move(file);
    output.SetHeaderTexts(ReadFileHeaderTexts(openFile.FileData.span()));

    ChunkWalker walker(openFile.FileData);
    while (auto chunk = walker.Next()) {
        const ChunkNumber number = openFile.Chunks.Count() + 1;
        // The list shows the first kMaxChunks chunks, and one line for the rest.
        if (number <= kMaxChunks)
            output.AddChunkLine(ChunkListLine(number, *chunk));
        else if (number == kMaxChunks + 1)
            output.AddChunkLine(kTooManyChunksLine);
        openFile.Chunks.Add(std::move(*chunk));
        if ((number <= kMaxChunks || number % kMaxChunks == 0) && !output.LetPendingEventsRun())
            return;
    }
}

}  // namespace tarnwick
