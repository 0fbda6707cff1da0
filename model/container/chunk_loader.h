#pragma once

#include <string>
#include <string_view>

#include "model/container/byte_string.h"
#include "model/container/open_file.h"

namespace tarnwick {

inline constexpr std::string_view kTooManyChunksLine = "Error reading file - Too many Chunks";
inline constexpr std::string_view kReadErrorPrefix = "Error reading file - ";

// The three texts taken from a file's 64-byte header.
struct FileHeaderTexts {
    std::string Line1;         // bytes 1..35, unchanged
    std::string Line2;         // bytes 36..60, unchanged
    std::string RsmpLocation;  // bytes 61..64 as big-endian hex digits
};

[[nodiscard]] FileHeaderTexts ReadFileHeaderTexts(ByteSpan file);

// Where a load shows what it finds: the main window, or a test.
class LoadOutput {
public:
    virtual ~LoadOutput() = default;
    virtual void ClearChunkList() = 0;
    virtual void SetDetailsCaption(std::string_view caption) = 0;
    virtual void SetHeaderTexts(const FileHeaderTexts& texts) = 0;
    virtual void AddChunkLine(std::string_view line) = 0;
    // Called after each chunk so the window can handle pending events; false
    // abandons the walk, as when another file was chosen meanwhile. This is the
    // one way a load is cancelled.
    virtual bool LetPendingEventsRun() = 0;
};

// A load that shows nothing, for readers that want only the chunks walked.
class SilentLoadOutput final : public LoadOutput {
public:
    void ClearChunkList() override {}
    void SetDetailsCaption(std::string_view) override {}
    void SetHeaderTexts(const FileHeaderTexts&) override {}
    void AddChunkLine(std::string_view) override {}
    bool LetPendingEventsRun() override { return true; }
};

// Makes `path` the open file: drops the file loaded before, reads this one
// whole, then shows it as LoadChunkBytes does. `path` is the file's name in the
// system's bytes, which need not be valid UTF-8; fileName is the name the file
// list shows, in the same bytes.
//
// A file that cannot be read leaves no data and no chunk, and the list holds one
// line with the system's reason.
void LoadChunkFile(OpenFile& openFile, const std::string& path, std::string_view fileName,
                   LoadOutput& output);

// Makes `file`, already in memory, the open file: shows its header, walks its
// chunks into Chunks and lists them.
void LoadChunkBytes(OpenFile& openFile, ByteString file, LoadOutput& output);

}  // namespace tarnwick
