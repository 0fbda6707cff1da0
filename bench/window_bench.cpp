// The windows' costs on Qt's offscreen platform: from a click on a chunk line
// to its view shown, a page of scrolling in a large dump, from a click on a
// file to its whole chunk list shown, and start-up on a folder of many files.
#include <benchmark/benchmark.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QScrollBar>
#include <map>
#include <memory>
#include <optional>

#include "bench/bench_files.h"
#include "fixtures/game_files.h"
#include "fixtures/window_test.h"
#include "synth/far_builder.h"
#include "synth/memory_registry.h"
#include "synth/temp_dir.h"
#include "ui/chunk/chunk_display.h"
#include "ui/common/control_names.h"
#include "ui/main/main_window.h"
#include "widgets/dir_list_box.h"

namespace tarnwick::bench {

namespace {

constexpr std::size_t kSmallChunk = 1024;
constexpr std::size_t kLargeChunk = 64 * kMiB;

// A file of two DATA chunks: 1 KiB, then 64 MiB.
const OpenFile& TwoChunkModule()
{
    static OpenFile openFile = [] {
        OpenFile loaded;
        const Bytes file = fixtures::IffBuilder()
                               .Chunk("DATA", "Small", VariedBytes(kSmallChunk, 1))
                               .Chunk("DATA", "Large", VariedBytes(kLargeChunk, 2))
                               .Build();
        fixtures::LoadBytes(loaded, file);
        return loaded;
    }();
    return openFile;
}

// The largest file the viewer reads: one chunk of 2 GiB, 134 million dump lines.
const OpenFile& LargestChunkModule()
{
    static OpenFile openFile = [] {
        OpenFile loaded;
        const fixtures::TempDir folder;
        const std::string path = (folder.Path() / "largest.IFF").string();
        SilentLoadOutput quiet;
        if (WriteLargestChunkFile(path))
            LoadChunkFile(loaded, path, "largest.IFF", quiet);
        return loaded;
    }();
    return openFile;
}

void LetWindowsSettle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// The click on a chunk line: the display refilled, shown and laid out. Chunk
// `from` is shown first, untimed, so each round changes what is shown (or
// shows the same chunk again).
void ShowChunk(benchmark::State& state)
{
    OpenFile openFile = TwoChunkModule();
    ChunkDisplay display(openFile);
    for (auto _ : state) {
        state.PauseTiming();
        display.ShowChunk(static_cast<ChunkNumber>(state.range(0)));
        LetWindowsSettle();
        state.ResumeTiming();
        display.ShowChunk(static_cast<ChunkNumber>(state.range(1)));
        LetWindowsSettle();
    }
}
// Chunk 1 holds 1 KiB, chunk 2 64 MiB.
BENCHMARK(ShowChunk)
    ->ArgNames({"from", "to"})
    ->Args({2, 1})
    ->Args({1, 2})
    ->Args({2, 2})
    ->Unit(benchmark::kMillisecond);

// The first view of the 2 GiB chunk, shown again each round.
void ShowLargestChunk(benchmark::State& state)
{
    OpenFile openFile = LargestChunkModule();
    if (openFile.Chunks.Count() != 1) {
        state.SkipWithError("the 2 GiB file did not load");
        return;
    }
    ChunkDisplay display(openFile);
    for (auto _ : state) {
        display.ShowChunk(1);
        LetWindowsSettle();
    }
}
BENCHMARK(ShowLargestChunk)->Unit(benchmark::kMillisecond);

// A page down in a large chunk's dump, painted.
void ScrollPage(benchmark::State& state, const OpenFile& (*module)(), ChunkNumber chunk)
{
    OpenFile openFile = module();
    ChunkDisplay display(openFile);
    display.ShowChunk(chunk);
    LetWindowsSettle();
    auto* view = display.Window() == nullptr
                     ? nullptr
                     : fixtures::Find<QAbstractItemView>(display.Window(), names::kChunkLines);
    if (view == nullptr) {
        state.SkipWithError("the chunk is not shown");
        return;
    }
    QScrollBar* bar = view->verticalScrollBar();
    // Start in the middle, where no row near the view was ever formatted.
    bar->setValue(bar->maximum() / 2);
    LetWindowsSettle();
    for (auto _ : state) {
        if (bar->value() + bar->pageStep() > bar->maximum()) {
            state.PauseTiming();
            bar->setValue(bar->maximum() / 2);
            LetWindowsSettle();
            state.ResumeTiming();
        }
        bar->setValue(bar->value() + bar->pageStep());
        view->viewport()->repaint();
        LetWindowsSettle();
    }
}
BENCHMARK_CAPTURE(ScrollPage, 64MiB, &TwoChunkModule, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ScrollPage, 2GiB, &LargestChunkModule, 1)->Unit(benchmark::kMillisecond);

// From the main window made to its lists shown, when it starts on a folder of
// this many character files (the home folder, as without the game).
void StartUp(benchmark::State& state)
{
    static std::map<std::int64_t, std::unique_ptr<fixtures::TempDir>> folders;
    auto& folder = folders[state.range(0)];
    if (!folder) {
        folder = std::make_unique<fixtures::TempDir>();
        MakeCharacterFiles(folder->Path().string(), static_cast<std::size_t>(state.range(0)));
    }
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", QByteArray::fromStdString(folder->Path().string()));
    fixtures::MemoryRegistry noGame;
    OpenFile openFile;
    std::optional<MainWindow> form;
    for (auto _ : state) {
        state.PauseTiming();
        form.reset();
        LetWindowsSettle();
        state.ResumeTiming();
        form.emplace(openFile, noGame);
        form->show();
        LetWindowsSettle();
    }
    const auto* files = fixtures::Find<QAbstractItemView>(&*form, names::kFileList);
    if (files->model()->rowCount() != state.range(0))
        state.SkipWithError("the file list does not show the folder");
    form.reset();
    qputenv("HOME", home);
}
BENCHMARK(StartUp)->ArgName("files")->Arg(0)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A folder holding one synthesised file, big.IFF.
class FolderWithOneFile {
public:
    FolderWithOneFile(std::size_t mebibytes, std::size_t chunks)
        : path_(folder_.Write("big.IFF", MakeContainerFile(mebibytes * kMiB, chunks)))
    {
    }
    [[nodiscard]] QString Folder() const { return QString::fromStdString(folder_.Path().string()); }
    [[nodiscard]] const std::string& FilePath() const { return path_; }

private:
    fixtures::TempDir folder_;
    std::string path_;
};

// The floor for the file click: the same file read with one read().
void ReadFileWithOneRead(benchmark::State& state)
{
    const FolderWithOneFile folder(64, 1000);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadWithOneRead(folder.FilePath()));
}
BENCHMARK(ReadFileWithOneRead)->Unit(benchmark::kMillisecond);

// A click on the 64 MiB, 1000-chunk file in the main window, to its chunk list
// filled and shown.
void ClickFile(benchmark::State& state)
{
    const FolderWithOneFile folder(64, 1000);
    OpenFile openFile;
    fixtures::MemoryRegistry noGame;
    MainWindow form(openFile, noGame);
    form.show();
    fixtures::Find<DirListBox>(&form, names::kFolderList)->SetPath(folder.Folder());
    LetWindowsSettle();
    auto* files = fixtures::Find<QAbstractItemView>(&form, names::kFileList);
    auto* chunks = fixtures::Find<QListWidget>(&form, names::kChunkLines);
    const QModelIndexList found = files->model()->match(files->model()->index(0, 0), Qt::DisplayRole,
                                                        QStringLiteral("big.IFF"), 1, Qt::MatchExactly);
    if (found.size() != 1) {
        state.SkipWithError("big.IFF is not listed");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        files->clearSelection();
        LetWindowsSettle();
        state.ResumeTiming();
        files->setCurrentIndex(found.first());
        LetWindowsSettle();
    }
    if (chunks->count() != 1000)
        state.SkipWithError("the chunk list is not whole");
}
BENCHMARK(ClickFile)->Unit(benchmark::kMillisecond);

// An archive of this many one-chunk members, all at its top, opened in the
// folder list: from the path set to both lists shown.
void OpenArchive(benchmark::State& state)
{
    const fixtures::TempDir folder;
    fixtures::FarBuilder archive;
    const Bytes member = fixtures::IffBuilder().Chunk("GLOB", "G", fixtures::ToBytes("abc")).Build();
    for (std::int64_t i = 0; i < state.range(0); ++i)
        archive.Member("object" + std::to_string(i) + ".iff", member);
    const QString path = QString::fromStdString(folder.Write("Objects.far", archive.Build()));
    OpenFile openFile;
    fixtures::MemoryRegistry noGame;
    MainWindow form(openFile, noGame);
    form.show();
    auto* folders = fixtures::Find<DirListBox>(&form, names::kFolderList);
    const QString outside = QString::fromStdString(folder.Path().string());
    for (auto _ : state) {
        state.PauseTiming();
        folders->SetPath(outside);
        LetWindowsSettle();
        state.ResumeTiming();
        folders->SetPath(path);
        LetWindowsSettle();
    }
    const auto* files = fixtures::Find<QAbstractItemView>(&form, names::kFileList);
    if (files->model()->rowCount() != state.range(0))
        state.SkipWithError("the file list does not show the members");
}
BENCHMARK(OpenArchive)->ArgName("members")->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace tarnwick::bench
