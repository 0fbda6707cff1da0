// The library's costs: indexing a folder of object files of about 100 KB,
// made by the builders, from the disk (the system's page cache warm) and from
// the cache of an earlier scan; a search over the objects found; one object's
// picture for the objects table, read from its file each time; naming the
// calls to a game's global behaviours; the game's own objects found, for the
// link from a download to the object it replaces.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <map>

#include "library/called_behaviours.h"
#include "library/conflicts.h"
#include "library/folder_walk.h"
#include "library/game_objects.h"
#include "library/index_cache.h"
#include "library/library_scan.h"
#include "library/listed_picture.h"
#include "library/scan_output.h"
#include "synth/called_behaviour_files.h"
#include "synth/far_builder.h"
#include "synth/library_tree_builder.h"
#include "synth/multi_tile_object.h"
#include "synth/showcase_object.h"
#include "synth/temp_dir.h"

namespace tarnwick::bench {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kObjectFileFiller = std::size_t{100} * 1024;
// Small enough for 100,000 files to fit the disk; the same chunks as above.
constexpr std::size_t kSmallFileFiller = std::size_t{8} * 1024;

// The folder `name` in a temporary folder deleted when the benchmarks end,
// filled by `write` the first time it is asked for.
const fs::path& WrittenOnce(const std::string& name, const std::function<void(const fs::path&)>& write)
{
    static const fixtures::TempDir folder;
    static std::map<std::string, fs::path> made;
    fs::path& path = made[name];
    if (path.empty()) {
        path = folder.Path() / name;
        write(path);
    }
    return path;
}

// A Downloads folder of `count` object files in folders of 100.
const fs::path& Downloads(std::size_t count, std::size_t filler = kObjectFileFiller)
{
    return WrittenOnce(
        "downloads-" + std::to_string(count) + "-" + std::to_string(filler), [&](const fs::path& path) {
            for (std::size_t i = 0; i < count; ++i)
                fixtures::WriteFile(
                    path / ("set" + std::to_string(i / 100)) / ("object" + std::to_string(i) + ".iff"),
                    fixtures::ObjectFileBytes({.guid = static_cast<std::uint32_t>(0x10000000 + i),
                                               .label = "Object " + std::to_string(i),
                                               .englishName = "Chair number " + std::to_string(i),
                                               .price = static_cast<std::uint16_t>(i),
                                               .fillerBytes = filler}));
        });
}

std::vector<library::FileRecord> ScanOnce(const fs::path& root, const library::ScanOptions& options)
{
    std::vector<library::FileRecord> files;
    (void)library::Scan({root.string()}, options,
                        {{}, [&](std::vector<library::FileRecord> records, std::size_t) {
                             for (auto& record : records)
                                 files.push_back(std::move(record));
                         }});
    return files;
}

void IndexFromDisk(benchmark::State& state)
{
    const fs::path& root = Downloads(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ScanOnce(root, {}));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The cost per file as the folder grows tenfold and a hundredfold: files of
// the same chunks, smaller, so that 100,000 fit the disk.
void IndexPerFile(benchmark::State& state)
{
    const auto count = static_cast<std::size_t>(state.range(0));
    const fs::path& root = Downloads(count, kSmallFileFiller);
    for (auto _ : state)
        benchmark::DoNotOptimize(ScanOnce(root, {}));
    state.counters["per_file"] =
        benchmark::Counter(static_cast<double>(state.iterations() * state.range(0)),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// A second start: the cache opened and read, every file listed and found in it.
void IndexFromCache(benchmark::State& state)
{
    const fs::path& root = Downloads(static_cast<std::size_t>(state.range(0)));
    const fixtures::TempDir cacheFolder;
    const fs::path file = cacheFolder.Path() / "library.sqlite";
    {
        library::IndexCache cache(file);
        (void)cache.Update({root.string()}, ScanOnce(root, {}), true);
    }
    for (auto _ : state) {
        library::IndexCache cache(file);
        library::ScanOptions options;
        options.known = [&](const library::ListedFile& listed) { return cache.Find(listed); };
        benchmark::DoNotOptimize(ScanOnce(root, options));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// A cache file holding a complete scan of the `count` files.
fs::path CacheOf(std::size_t count)
{
    return WrittenOnce("cache-" + std::to_string(count),
                       [&](const fs::path& path) {
                           const fs::path& root = Downloads(count);
                           library::IndexCache cache(path / "library.sqlite");
                           (void)cache.Update({root.string()}, ScanOnce(root, {}), true);
                       }) /
           "library.sqlite";
}

// The stages of a second start, each alone: the folders walked, every file's
// size and time looked at.
void WalkFolders(benchmark::State& state)
{
    const fs::path& root = Downloads(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(library::ListIndexableFiles({root.string()}));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The cache opened, checked and read.
void OpenCache(benchmark::State& state)
{
    const fs::path file = CacheOf(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        const library::IndexCache cache(file);
        if (cache.state() != library::IndexCache::State::Opened)
            state.SkipWithError("cache not opened");
        benchmark::DoNotOptimize(cache.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Every listed file looked up in an open cache.
void FindInCache(benchmark::State& state)
{
    const fs::path& root = Downloads(static_cast<std::size_t>(state.range(0)));
    const library::IndexCache cache(CacheOf(static_cast<std::size_t>(state.range(0))));
    const library::FolderWalk walk = library::ListIndexableFiles({root.string()});
    for (auto _ : state)
        for (const library::ListedFile& listed : walk.files)
            benchmark::DoNotOptimize(cache.Find(listed));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The cache told of a scan that changed nothing: nothing to write.
void UpdateUnchanged(benchmark::State& state)
{
    const fs::path& root = Downloads(static_cast<std::size_t>(state.range(0)));
    library::IndexCache cache(CacheOf(static_cast<std::size_t>(state.range(0))));
    const std::vector<library::FileRecord> files = ScanOnce(root, {});
    for (auto _ : state)
        benchmark::DoNotOptimize(cache.Update({root.string()}, files, true));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// A whole second start as the window and `tarnwick scan` make one: the cache
// opened, every file listed and found unchanged, the cache told, the conflicts found.
void SecondStart(benchmark::State& state)
{
    const fs::path& root = Downloads(static_cast<std::size_t>(state.range(0)));
    const fs::path file = CacheOf(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        library::IndexCache cache(file);
        library::ScanOptions options;
        options.known = [&](const library::ListedFile& listed) { return cache.Find(listed); };
        const std::vector<library::FileRecord> files = ScanOnce(root, options);
        (void)cache.Update({root.string()}, files, true);
        benchmark::DoNotOptimize(library::FindConflicts(files));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// A search as the window makes one for each key: every object's name, label,
// GUID and file looked at.
void SearchObjects(benchmark::State& state)
{
    const std::vector<library::FileRecord> files =
        ScanOnce(Downloads(static_cast<std::size_t>(state.range(0))), {});
    for (auto _ : state) {
        std::size_t found = 0;
        for (const library::FileRecord& file : files)
            for (const library::ObjectRecord& object : file.objects)
                found += library::DisplayName(object).find("number 99") != std::string::npos ||
                         library::GuidText(object.guid).find("99") != std::string::npos ||
                         file.path.find("number 99") != std::string::npos ||
                         file.texts.find("number 99") != std::string::npos;
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void FindConflictsOf(benchmark::State& state)
{
    const std::vector<library::FileRecord> files =
        ScanOnce(Downloads(static_cast<std::size_t>(state.range(0))), {});
    for (auto _ : state)
        benchmark::DoNotOptimize(library::FindConflicts(files));
}

// Arg 0: the lamp on its table (three sprites with depth and alpha); arg 1:
// the nine-tile stage's master, its tiles put together.
void ReadListedPicture(benchmark::State& state)
{
    const fixtures::TempDir folder;
    fixtures::IffBuilder file;
    file.Header("IFF FILE 2.5:TYPE FOLLOWED BY SIZE", 0);
    if (state.range(0) == 0)
        fixtures::AddShowcaseObjectFile(file);
    else
        fixtures::AddMultiTileObjectFile(file, fixtures::kNineTileStage);
    const std::string path = folder.Write("object.iff", file.Build());
    const std::uint16_t objdId =
        state.range(0) == 0 ? fixtures::kShowcaseDefinitionId : fixtures::kMultiTileMasterId;
    library::ListedPictureReader reader;
    for (auto _ : state) {
        reader.Forget();
        std::optional<Composite> picture = reader.Read(path, "", 0, objdId);
        if (!picture)
            state.SkipWithError("no picture");
        benchmark::DoNotOptimize(picture);
    }
}

// A game folder whose Global.far holds a global.iff of `count` behaviours of
// 20 instructions each, about the size of the game's own.
const fs::path& GameWithGlobals(std::size_t count)
{
    return WrittenOnce("globals-" + std::to_string(count), [&](const fs::path& path) {
        std::vector<fixtures::NamedBehaviour> behaviours;
        for (std::size_t i = 0; i < count; ++i)
            behaviours.push_back({static_cast<std::uint16_t>(256 + i), "Global " + std::to_string(i),
                                  std::vector<Instruction>(20, {2, 254, 255, {}})});
        fixtures::WriteFile(path / "GameData" / "Global" / "Global.far",
                            fixtures::FarBuilder()
                                .Member("global.iff", fixtures::BehaviourFileBytes(behaviours))
                                .Member("personglobals.iff", fixtures::BehaviourFileBytes({{8192, "Greet"}}))
                                .Build());
    });
}

// The first call named in a game folder: the archive's manifest, the member
// read and its chunks walked, on the window's thread.
void NameFirstGlobalCall(benchmark::State& state)
{
    const fs::path& game = GameWithGlobals(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        library::GameBehaviours behaviours(game);
        benchmark::DoNotOptimize(behaviours.Global(300));
    }
}

// Every call after it: a look-up in what was kept.
void NameLaterGlobalCall(benchmark::State& state)
{
    library::GameBehaviours behaviours(GameWithGlobals(static_cast<std::size_t>(state.range(0))));
    (void)behaviours.Global(256);
    for (auto _ : state)
        benchmark::DoNotOptimize(behaviours.Global(300));
}

// A game folder whose GameData/Objects/Objects.far packs `count` object
// files of about 100 KB, as the game packs its own.
const fs::path& GameWithObjects(std::size_t count)
{
    return WrittenOnce("objects-" + std::to_string(count), [&](const fs::path& path) {
        fixtures::FarBuilder archive;
        for (std::size_t i = 0; i < count; ++i)
            archive.Member("Objects\\object" + std::to_string(i) + ".iff",
                           fixtures::ObjectFileBytes({.guid = static_cast<std::uint32_t>(0x20000000 + i),
                                                      .label = "Object " + std::to_string(i),
                                                      .fillerBytes = kObjectFileFiller}));
        fixtures::WriteFile(path / "GameData" / "Objects" / "Objects.far", archive.Build());
    });
}

// The game's own objects indexed for the first object an inspector shows:
// arg 1 0 from the disk, arg 1 1 from the library's cache of an earlier look.
void IndexGameObjectsOf(benchmark::State& state)
{
    const fs::path& game = GameWithObjects(static_cast<std::size_t>(state.range(0)));
    const fixtures::TempDir cacheFolder;
    const fs::path cache = state.range(1) == 0 ? fs::path() : cacheFolder.Path() / "library.sqlite";
    if (!cache.empty())
        (void)library::IndexGameObjects(game, cache);
    for (auto _ : state) {
        const auto objects = library::IndexGameObjects(game, cache);
        if (!objects || !objects->Find(0x20000000))
            state.SkipWithError("the game's objects not found");
    }
}

}  // namespace

BENCHMARK(NameFirstGlobalCall)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(NameLaterGlobalCall)->Arg(2000);
BENCHMARK(IndexFromDisk)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(IndexFromCache)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(IndexPerFile)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(WalkFolders)->Arg(10000)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(OpenCache)->Arg(10000)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(FindInCache)->Arg(10000)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(UpdateUnchanged)->Arg(10000)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(SecondStart)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(SearchObjects)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(FindConflictsOf)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadListedPicture)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(IndexGameObjectsOf)
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

}  // namespace tarnwick::bench

BENCHMARK_MAIN();
