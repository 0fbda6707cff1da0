// The library window while it indexes: the longest time the window's thread
// spends away from its event loop, from a scan's start to its end, as the
// user would feel it in a frame that comes late.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <QTimer>
#include <filesystem>

#include "synth/library_tree_builder.h"
#include "synth/temp_dir.h"
#include "ui/library/library_window.h"

namespace tarnwick::bench {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kWindowTreeFiles = 4000;
constexpr std::size_t kWindowFileFiller = std::size_t{16} * 1024;

// A Downloads folder of object files in folders of 100, written once.
const fs::path& WindowTree()
{
    static const fixtures::TempDir folder;
    static const fs::path root = [] {
        const fs::path path = folder.Path() / "Downloads";
        for (std::size_t i = 0; i < kWindowTreeFiles; ++i)
            fixtures::WriteFile(
                path / ("set" + std::to_string(i / 100)) / ("object" + std::to_string(i) + ".iff"),
                fixtures::ObjectFileBytes({.guid = static_cast<std::uint32_t>(0x20000000 + i % 3000),
                                           .label = "Object " + std::to_string(i),
                                           .englishName = "Lamp number " + std::to_string(i),
                                           .price = static_cast<std::uint16_t>(i),
                                           .fillerBytes = kWindowFileFiller}));
        return path;
    }();
    return root;
}

// Times the gaps between the event loop's turns: a timer of 0 ms fires on
// every turn, so the longest time between two firings is the longest the
// window's thread spent on anything else, a frame that came that late.
class LoopGaps {
public:
    LoopGaps()
    {
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
            if (lastTurn_.isValid())
                longest_ = std::max(longest_, lastTurn_.nsecsElapsed());
            lastTurn_.start();
        });
        timer_.start(0);
    }

    [[nodiscard]] double LongestMilliseconds() const { return static_cast<double>(longest_) / 1e6; }

private:
    QTimer timer_;
    QElapsedTimer lastTurn_;
    qint64 longest_ = 0;
};

// Scans the folder and lets the window run until it has shown the scan's end.
void ScanToTheEnd(LibraryWindow& window, const fs::path& root)
{
    bool ended = false;
    window.ScanEnded = [&ended] { ended = true; };
    window.Scan({root.string()});
    while (!ended)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    window.ScanEnded = nullptr;
    QApplication::processEvents();
}

// Arg: with the cache of an earlier scan (1) or without (0), every file read.
void LibraryWindowLongestFrame(benchmark::State& state)
{
    const fs::path& root = WindowTree();
    const fixtures::TempDir cacheFolder;
    const fs::path cacheFile = state.range(0) != 0 ? cacheFolder.Path() / "library.sqlite" : fs::path();
    double longest = 0;
    for (auto _ : state) {
        LibraryWindow window(cacheFile);
        window.show();
        if (state.range(0) != 0) {  // the cache filled, outside the time
            state.PauseTiming();
            ScanToTheEnd(window, root);
            state.ResumeTiming();
        }
        QApplication::processEvents();
        const LoopGaps gaps;
        ScanToTheEnd(window, root);
        longest = std::max(longest, gaps.LongestMilliseconds());
        if (window.Objects().model()->rowCount() != static_cast<int>(kWindowTreeFiles)) {
            state.SkipWithError("not every object shown");
            break;
        }
    }
    state.counters["longest_frame_ms"] = longest;
}

}  // namespace

BENCHMARK(LibraryWindowLongestFrame)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

}  // namespace tarnwick::bench
