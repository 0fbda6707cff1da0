// The archive reader's costs: listing an archive of 10,000 members, opening a
// member beside reading the same bytes as a loose file, and the memory a
// 1 GiB archive takes with one member open, counted by the allocator.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "bench/bench_files.h"
#include "bench/counting_allocator.h"
#include "model/archive/far_archive.h"
#include "synth/far_builder.h"
#include "synth/temp_dir.h"

namespace tarnwick::bench {

namespace {

const fixtures::TempDir& Folder()
{
    static const fixtures::TempDir folder;
    return folder;
}

// 10,000 members of 100 bytes, in ten folders, as a large download archive.
const std::string& ManyMembersArchive()
{
    static const std::string path = [] {
        fixtures::FarBuilder archive;
        for (int i = 0; i < 10000; ++i)
            archive.Member("Folder" + std::to_string(i % 10) + "\\Object " + std::to_string(i) + ".iff",
                           VariedBytes(100, static_cast<std::uint32_t>(i)));
        return Folder().Write("many.far", archive.Build());
    }();
    return path;
}

void ListArchiveOf10000Members(benchmark::State& state)
{
    const std::string& path = ManyMembersArchive();
    for (auto _ : state) {
        const FarManifest manifest = ReadFarManifest(path);
        if (manifest.members.size() != 10000)
            state.SkipWithError("the archive did not list");
        benchmark::DoNotOptimize(manifest.members.data());
    }
}
BENCHMARK(ListArchiveOf10000Members)->Unit(benchmark::kMillisecond);

// An archive of three members of `mebibytes` each, and the middle member's
// bytes as a loose file.
struct MemberAndLooseFile {
    std::string archive, loose;
    FarMember member;
};

const MemberAndLooseFile& MemberOf(std::size_t mebibytes)
{
    static std::map<std::size_t, MemberAndLooseFile> made;
    MemberAndLooseFile& files = made[mebibytes];
    if (files.archive.empty()) {
        const Bytes middle = VariedBytes(mebibytes * kMiB, 7);
        const std::string name = std::to_string(mebibytes);
        files.loose = Folder().Write(name + ".iff", middle);
        files.archive =
            Folder().Write(name + ".far", fixtures::FarBuilder()
                                              .Member("first.iff", VariedBytes(mebibytes * kMiB, 1))
                                              .Member("middle.iff", middle)
                                              .Member("last.iff", VariedBytes(mebibytes * kMiB, 2))
                                              .Build());
        files.member = ReadFarManifest(files.archive).members.at(1);
    }
    return files;
}

void OpenMember(benchmark::State& state)
{
    const MemberAndLooseFile& files = MemberOf(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadFarMember(files.archive, files.member));
    state.SetBytesProcessed(state.iterations() * state.range(0) * static_cast<std::int64_t>(kMiB));
}
BENCHMARK(OpenMember)->ArgName("MiB")->Arg(1)->Arg(16)->Unit(benchmark::kMillisecond);

void OpenSameBytesAsLooseFile(benchmark::State& state)
{
    const MemberAndLooseFile& files = MemberOf(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadWholeFile(files.loose));
    state.SetBytesProcessed(state.iterations() * state.range(0) * static_cast<std::int64_t>(kMiB));
}
BENCHMARK(OpenSameBytesAsLooseFile)->ArgName("MiB")->Arg(1)->Arg(16)->Unit(benchmark::kMillisecond);

// A sparse archive of 1 GiB: 64 members of 16 MiB, the manifest at the end.
// Listing it and opening one member holds, at most, the manifest and that
// member; the counter gives the peak of live bytes over the two.
void OneMemberOfA1GiBArchive(benchmark::State& state)
{
    constexpr std::uint32_t kMembers = 64;
    constexpr std::uint32_t kMemberSize = 16 * kMiB;
    const std::string path = (Folder().Path() / "1 GiB.far").string();
    {
        fixtures::FarBuilder manifestOnly;
        for (std::uint32_t i = 0; i < kMembers; ++i)
            manifestOnly.Member("Objects\\member " + std::to_string(i) + ".iff", {})
                .Offset(16 + i * kMemberSize)
                .Size(kMemberSize);
        const std::uint32_t manifestAt = 16 + kMembers * kMemberSize;
        Bytes bytes = manifestOnly.ManifestOffset(manifestAt).Build();  // header, then the manifest at 16
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), 16);
        std::filesystem::resize_file(path, manifestAt);
        std::ofstream(path, std::ios::binary | std::ios::app)
            .write(reinterpret_cast<const char*>(bytes.data() + 16),
                   static_cast<std::streamsize>(bytes.size() - 16));
    }
    const auto manifestBytes =
        static_cast<double>(std::filesystem::file_size(path) - 16 - std::uint64_t{kMembers} * kMemberSize);
    double peak = 0;
    for (auto _ : state) {
        ResetPeakBytes();
        const std::size_t before = LiveBytes();
        const FarManifest manifest = ReadFarManifest(path);
        const FileReadResult member = ReadFarMember(path, manifest.members.at(kMembers / 2));
        benchmark::DoNotOptimize(member.bytes.data());
        peak = static_cast<double>(PeakBytes() - before);
    }
    state.counters["peak_MiB"] = peak / kMiB;
    state.counters["peak_to_member_and_manifest"] = peak / (kMemberSize + manifestBytes);
    std::filesystem::remove(path);
}
BENCHMARK(OneMemberOfA1GiBArchive)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

}  // namespace tarnwick::bench

BENCHMARK_MAIN();
