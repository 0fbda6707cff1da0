#pragma once

#include <QPointer>
#include <cstdint>

#include "model/container/chunk_table.h"
#include "model/container/open_file.h"
#include "ui/chunk/chunk_window.h"

namespace tarnwick {

// Shows a chunk of the open file in the one chunk window, creating it on first
// use; each further chunk refills the same window.
class ChunkDisplay {
public:
    // The window stays above `owner`, the main window, so that it never hides
    // behind it; nullptr gives a window of its own.
    explicit ChunkDisplay(OpenFile& openFile, QWidget* owner = nullptr) : openFile_(openFile), owner_(owner)
    {
    }
    ~ChunkDisplay();
    ChunkDisplay(const ChunkDisplay&) = delete;
    ChunkDisplay& operator=(const ChunkDisplay&) = delete;

    // Shows chunk `number`. A number that names no chunk does nothing.
    void ShowChunk(ChunkNumber number);
    // The window, or nullptr while none exists.
    [[nodiscard]] ChunkWindow* Window() const { return window_; }
    void CloseWindow();
    // Lets go of the open file before another is loaded. The window keeps
    // showing its chunk from a copy of that chunk alone; one showing a chunk
    // larger than kLargestKeptChunk is closed instead, so that switching
    // between two large files never holds both.
    void LetGoOfTheFile();
    static constexpr std::size_t kLargestKeptChunk = std::size_t{64} * 1024 * 1024;

private:
    ChunkWindow& OpenWindow();
    void ShowResourceMapOf(const ChunkInfo& chunk);

    OpenFile& openFile_;
    QWidget* owner_;
    QPointer<ChunkWindow> window_;
};

}  // namespace tarnwick
