// The file model's costs: loading and walking a file, the chunk dump, the
// decoders and the sprite preview, each over synthesised data.
#include <benchmark/benchmark.h>

#include <array>
#include <map>
#include <vector>

#include "bench/bench_files.h"
#include "model/chunk_window/chunk_dump.h"
#include "model/chunk_window/offset_view.h"
#include "model/chunk_window/sprite_preview.h"
#include "model/chunk_window/string_lines.h"
#include "model/container/file_reader.h"
#include "model/decoders/resource_map.h"
#include "synth/temp_dir.h"

namespace tarnwick::bench {

namespace {

// One file on disk per (MiB, chunk count), written once for the whole run.
const std::string& ContainerFilePath(std::size_t mebibytes, std::size_t chunks)
{
    static const fixtures::TempDir folder;
    static std::map<std::pair<std::size_t, std::size_t>, std::string> paths;
    auto& path = paths[{mebibytes, chunks}];
    if (path.empty())
        path = folder.Write(std::to_string(mebibytes) + "-" + std::to_string(chunks) + ".IFF",
                            MakeContainerFile(mebibytes * kMiB, chunks));
    return path;
}

void ReadFileWithOneRead(benchmark::State& state)
{
    const std::string& path = ContainerFilePath(static_cast<std::size_t>(state.range(0)), 1000);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadWithOneRead(path));
    state.SetBytesProcessed(state.iterations() * state.range(0) * static_cast<std::int64_t>(kMiB));
}
BENCHMARK(ReadFileWithOneRead)->ArgName("MiB")->Arg(64)->Unit(benchmark::kMillisecond);

// The file reader alone, to tell its cost from the walk's.
void ReadWholeFileAlone(benchmark::State& state)
{
    const std::string& path = ContainerFilePath(static_cast<std::size_t>(state.range(0)), 1000);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadWholeFile(path));
}
BENCHMARK(ReadWholeFileAlone)->ArgName("MiB")->Arg(64)->Unit(benchmark::kMillisecond);

void LoadAndWalk(benchmark::State& state)
{
    const auto mebibytes = static_cast<std::size_t>(state.range(0));
    OpenFile openFile;
    const std::string path = ContainerFilePath(mebibytes, static_cast<std::size_t>(state.range(1)));
    SilentLoadOutput output;
    for (auto _ : state) {
        LoadChunkFile(openFile, path, "bench.IFF", output);
        benchmark::DoNotOptimize(openFile.Chunks.Count());
    }
    state.SetBytesProcessed(state.iterations() * state.range(0) * static_cast<std::int64_t>(kMiB));
}
BENCHMARK(LoadAndWalk)
    ->ArgNames({"MiB", "chunks"})
    ->Args({1, 1000})
    ->Args({16, 1000})
    ->Args({64, 1000})
    ->Args({64, 10})
    ->Unit(benchmark::kMillisecond);

// Every line of a chunk's dump, or its first screenful, as the view asks for them.
void DumpLines(benchmark::State& state, std::size_t contentSize, std::size_t lineLimit)
{
    const ChunkDump dump(MakeChunk("DATA", contentSize));
    const std::size_t lines = std::min(dump.LineCount(), lineLimit);
    std::array<char, ChunkDump::kMaxLineLength> line{};
    for (auto _ : state) {
        for (std::size_t i = 0; i < lines; ++i)
            benchmark::DoNotOptimize(dump.WriteLine(i, line));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lines));
}
BENCHMARK_CAPTURE(DumpLines, whole_64MiB, 64 * kMiB, SIZE_MAX)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DumpLines, first_40_of_64MiB, 64 * kMiB, 40)->Unit(benchmark::kMicrosecond);

void DecodeStringTable255(benchmark::State& state)
{
    Bytes records;
    for (int i = 0; i < 255; ++i) {
        const std::string text = "String number " + std::to_string(i);
        records.push_back(0);  // each string starts after a NUL and ends at the next
        records.insert(records.end(), text.begin(), text.end());
    }
    records.push_back(0);
    const Bytes file = fixtures::IffBuilder()
                           .Chunk("STR#", "Strings", fixtures::StringTableContents(0xFF, 255, records))
                           .Build();
    const ByteSpan chunk = ByteSpan(file).subspan(kFileHeaderSize);
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeStringTable(chunk));
}
BENCHMARK(DecodeStringTable255)->Unit(benchmark::kMicrosecond);

void ParseResourceMap500(benchmark::State& state)
{
    fixtures::ResourceMapBuilder map;
    for (int type = 0; type < 5; ++type) {
        map.Type(std::string("TYP") + static_cast<char>('A' + type), 100);
        for (int entry = 0; entry < 100; ++entry)
            map.Entry(static_cast<std::uint32_t>(64 + entry * 100), static_cast<std::uint16_t>(entry), 0,
                      "Resource " + std::to_string(entry));
    }
    const Bytes file = fixtures::IffBuilder().Chunk("rsmp", "", map.Build()).Build();
    const ByteSpan chunk = ByteSpan(file).subspan(kFileHeaderSize);
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseResourceMap(chunk));
}
BENCHMARK(ParseResourceMap500)->Unit(benchmark::kMicrosecond);

void OffsetViewTexts(benchmark::State& state)
{
    const Bytes file = VariedBytes(std::size_t{64} * 1024);
    for (auto _ : state)
        benchmark::DoNotOptimize(MakeOffsetViewTexts(file, 4096));
}
BENCHMARK(OffsetViewTexts)->Unit(benchmark::kMicrosecond);

// The bytes that fill the box's 105 rows of 65, the most any sprite shows.
constexpr std::size_t kBoxFull = kSpriteRowLength * 105;

// The preview of a sprite into a canvas the size of the display's picture box.
void SpritePreview(benchmark::State& state)
{
    const ChunkInfo chunk = MakeChunk("SPR#", static_cast<std::size_t>(state.range(0)));
    const ByteString contents = chunk.Data.Slice(kChunkHeaderSize, chunk.Data.size());
    constexpr std::size_t kWidth = 117;
    constexpr std::size_t kHeight = 105;
    std::vector<std::uint32_t> pixels(kWidth * kHeight);
    for (auto _ : state) {
        DrawSpritePreview(contents.span(), {pixels, kWidth, kHeight, kWidth});
        benchmark::ClobberMemory();
    }
}
BENCHMARK(SpritePreview)
    ->ArgName("bytes")
    ->Arg(2000)
    ->Arg(kBoxFull)
    ->Arg(16 * kMiB)
    ->Arg(64 * kMiB)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace tarnwick::bench

BENCHMARK_MAIN();
