#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/container/chunk_loader.h"
#include "synth/temp_dir.h"

namespace tarnwick {

// Keeps what a load shows, as the main window would.
struct RecordingOutput : LoadOutput {
    std::string caption;
    FileHeaderTexts header{"unset", "unset", "unset"};
    std::vector<std::string> lines;
    std::function<bool()> onEvents = [] { return true; };

    void ClearChunkList() override { lines.clear(); }
    void SetDetailsCaption(std::string_view text) override { caption = text; }
    void SetHeaderTexts(const FileHeaderTexts& texts) override { header = texts; }
    void AddChunkLine(std::string_view line) override { lines.emplace_back(line); }
    bool LetPendingEventsRun() override { return onEvents(); }
};

// Writes `file` to disk as x.iff and loads it, as a click in the file list would.
inline void LoadFromDisk(OpenFile& openFile, const fixtures::Bytes& file, RecordingOutput& output)
{
    const fixtures::TempDir dir;
    LoadChunkFile(openFile, dir.Write("x.iff", file), "x.iff", output);
}

}  // namespace tarnwick
