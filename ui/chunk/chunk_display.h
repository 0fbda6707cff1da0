#pragma once

#include <QPointer>
#include <cstdint>

#include "model/chunk_table.h"
#include "ui/chunk/chunk_window.h"
#include "model/open_file.h"

namespace tarnwick {

// Shows a chunk of the open file in the one chunk display window, creating it
// on first use; each further chunk refills the same window.
class ChunkDisplay {
public:
    // The window stays above `owner`, the main window, so that it never hides
    // behind it; nullptr gives a window of its own.
    explicit ChunkDisplay(Module1& module, QWidget* owner = nullptr) : module_(module), owner_(owner) {}
    ~ChunkDisplay();
    ChunkDisplay(const ChunkDisplay&) = delete;
    ChunkDisplay& operator=(const ChunkDisplay&) = delete;

    // Shows chunk `chunkIndex` (1-based). An index that names no chunk, such as
    // that of the list's error line, does nothing.
    void ShowChunk(std::int64_t chunkIndex);
    // The window, or nullptr while none exists.
    [[nodiscard]] Form2* Window() const { return form2_; }
    void CloseWindow();

private:
    Form2& Form();
    bool ShowStringTable(const ChunkInfo& chunk);

    Module1& module_;
    QWidget* owner_;
    QPointer<Form2> form2_;
};

}  // namespace tarnwick
