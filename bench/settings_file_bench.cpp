// What a damaged settings file costs the install search: Steam's
// libraryfolders.vdf and a Lutris game file cut short, nested 10,000 deep and
// of 100 MB, each read from disk as the search reads it and refused with one
// line (shown as the benchmark's label). The cut-short files come twice: as
// Steam and Lutris write them, and as large as the readers accept.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "synth/install_tree_builder.h"
#include "synth/temp_dir.h"
#include "system/valve_key_values.h"
#include "system/wine_launchers.h"

namespace tarnwick::bench {

namespace {

namespace fs = std::filesystem;

enum class Damage { CutShort, LargestCutShort, Nested10000, Huge100MB };

constexpr std::uintmax_t kHugeFile = 100u << 20;
constexpr std::size_t kDepth = 10'000;

// A library list of libraries with long paths, up to about `size` bytes and
// well within the reader's count of entries, cut inside its last path.
std::string LibraryList(std::size_t size)
{
    std::string text = "\"libraryfolders\"\n{\n";
    const std::string folder(400, 'x');
    for (std::size_t i = 0; text.size() < size && i < kKeyValueMaxEntries / 6; ++i)
        text += "\t\"" + std::to_string(i) + "\"\n\t{\n\t\t\"path\"\t\t\"/media/disk" + std::to_string(i) +
                "/" + folder +
                "\"\n\t\t\"label\"\t\t\"\"\n\t\t\"apps\"\n\t\t{\n\t\t\t\"228980\"\t\t\"1\"\n\t\t}\n\t}\n";
    return text.substr(0, text.rfind("/media") + 8);
}

// A Lutris game file with a long environment, up to about `size` bytes, cut
// inside its last quoted value.
std::string LutrisFile(std::size_t size)
{
    std::string text = "game:\n  exe: /games/sims/Sims.exe\n  prefix: /games/sims\nsystem:\n  env:\n";
    for (std::size_t i = 0; text.size() < size; ++i)
        text += "    VARIABLE_" + std::to_string(i) + ": \"" + std::string(100, 'v') + "\"\n";
    return text.substr(0, text.rfind('"') - 10);
}

fs::path WriteDamaged(const fs::path& folder, const std::string& name, Damage damage, const std::string& cut,
                      const std::string& largestCut, const std::string& deep)
{
    fs::path file = folder / name;
    switch (damage) {
    case Damage::CutShort:
        fixtures::WriteTextFile(file, cut);
        break;
    case Damage::LargestCutShort:
        fixtures::WriteTextFile(file, largestCut);
        break;
    case Damage::Nested10000:
        fixtures::WriteTextFile(file, deep);
        break;
    case Damage::Huge100MB:
        fixtures::WriteTextFile(file, cut);
        fs::resize_file(file, kHugeFile);  // sparse: no disk spent
        break;
    }
    return file;
}

template <typename Load>
void Refuse(benchmark::State& state, const fs::path& file, Load load)
{
    std::string error;
    for (auto _ : state) {
        error = load(file);
        benchmark::DoNotOptimize(error);
    }
    if (error.empty())
        state.SkipWithError("the damaged file was read");
    state.SetLabel(error);
    state.counters["file MiB"] = static_cast<double>(fs::file_size(file)) / (1u << 20);
}

void LibraryListRefused(benchmark::State& state, Damage damage)
{
    const fixtures::TempDir folder;
    std::string deep = "\"libraryfolders\"\n";
    for (std::size_t i = 0; i < kDepth; ++i)
        deep += "{\n\"" + std::to_string(i) + "\"\n";
    const fs::path file = WriteDamaged(folder.Path(), "libraryfolders.vdf", damage, LibraryList(1000),
                                       LibraryList(kKeyValueMaxFileSize - 4096), deep);
    Refuse(state, file, [](const fs::path& path) { return LoadKeyValues(path).Error; });
}

void LutrisFileRefused(benchmark::State& state, Damage damage)
{
    const fixtures::TempDir folder;
    const fs::path file =
        WriteDamaged(folder.Path(), "the-sims.yml", damage, LutrisFile(300),
                     LutrisFile(kLauncherFileMaxSize - 4096), "game:\n  exe: " + std::string(kDepth, '['));
    Refuse(state, file, [](const fs::path& path) { return LoadLutrisGame(path).Error; });
}

}  // namespace

BENCHMARK_CAPTURE(LibraryListRefused, CutShort, Damage::CutShort)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(LibraryListRefused, LargestCutShort, Damage::LargestCutShort)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LibraryListRefused, Nested10000, Damage::Nested10000)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(LibraryListRefused, Huge100MB, Damage::Huge100MB)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(LutrisFileRefused, CutShort, Damage::CutShort)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(LutrisFileRefused, LargestCutShort, Damage::LargestCutShort)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LutrisFileRefused, Nested10000, Damage::Nested10000)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(LutrisFileRefused, Huge100MB, Damage::Huge100MB)->Unit(benchmark::kMicrosecond);

}  // namespace tarnwick::bench

BENCHMARK_MAIN();
