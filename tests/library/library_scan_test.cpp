// Folders scanned on worker threads: what is listed, delivered, stopped.
#include "library/library_scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <numeric>
#include <tuple>

#include "synth/far_builder.h"
#include "synth/library_tree_builder.h"
#include "synth/temp_dir.h"

namespace tarnwick::library {
namespace {

namespace fs = std::filesystem;

struct Collected {
    std::size_t filesInAll = 0;
    std::vector<std::size_t> done;
    std::map<std::string, FileRecord> byPath;
};

ScanReceiver Collect(Collected& collected)
{
    return {[&](std::size_t all) { collected.filesInAll = all; },
            [&](std::vector<FileRecord> records, std::size_t done) {
                collected.done.push_back(done);
                for (FileRecord& record : records)
                    collected.byPath[record.path] = std::move(record);
            }};
}

std::string Relative(const fixtures::TempDir& dir, const std::string& path)
{
    return fs::path(path).lexically_relative(dir.Path()).generic_string();
}

TEST(Scan, IndexesEveryChunkFileOfTheTreeOnEveryWorkerCount)
{
    const fixtures::TempDir dir;
    fixtures::WriteConflictTree(dir.Path());
    fixtures::WriteFile(dir.Path() / "Downloads" / "notes.txt", {1, 2, 3});
    fixtures::WriteFile(dir.Path() / "Downloads" / "Walls" / "brick.WLL", {});
    for (const unsigned workers : {1U, 2U, 5U}) {
        Collected collected;
        const ScanSummary summary = Scan({dir.Path().string()}, {workers, {}}, Collect(collected));
        EXPECT_EQ(summary.filesInAll, 11U);
        EXPECT_EQ(summary.filesDone, 11U);
        EXPECT_EQ(summary.filesRead, 11U);
        EXPECT_FALSE(summary.stopped);
        EXPECT_EQ(collected.filesInAll, 11U);
        // Progress counts up one file at a time, whatever thread finished it.
        std::vector<std::size_t> expected(11);
        std::iota(expected.begin(), expected.end(), 1);
        EXPECT_EQ(collected.done, expected);
        std::vector<std::string> paths;
        for (const auto& [path, record] : collected.byPath)
            paths.push_back(Relative(dir, path));
        EXPECT_EQ(paths, (std::vector<std::string>{
                             "Downloads/Broken.iff", "Downloads/Chair.iff", "Downloads/Copies/Rug.iff",
                             "Downloads/Lamp.iff", "Downloads/Old/Sofa.iff", "Downloads/Rug.iff",
                             "Downloads/Sofa.iff", "Downloads/Table recolour.iff", "Downloads/Vase.iff",
                             "Downloads/Walls/brick.WLL", "GameData/Objects/Table.iff"}));
        const FileRecord& chair = collected.byPath.at((dir.Path() / "Downloads" / "Chair.iff").string());
        ASSERT_EQ(chair.objects.size(), 1U);
        EXPECT_EQ(chair.objects[0].guid, fixtures::kDifferentObjectsGuid);
        EXPECT_EQ(chair.size, fs::file_size(dir.Path() / "Downloads" / "Chair.iff"));
        EXPECT_NE(chair.modified, 0);
        EXPECT_TRUE(collected.byPath.at((dir.Path() / "Downloads" / "Broken.iff").string()).damaged());
    }
}

TEST(Scan, AStopEndsItBetweenFiles)
{
    const fixtures::TempDir dir;
    for (int i = 0; i < 40; ++i)
        fixtures::WriteFile(dir.Path() / ("object" + std::to_string(i) + ".iff"),
                            fixtures::ObjectFileBytes({static_cast<std::uint32_t>(i), 0, "o", "o"}));
    std::stop_source stop;
    Collected collected;
    ScanReceiver receiver = Collect(collected);
    const auto deliver = receiver.indexed;
    receiver.indexed = [&](std::vector<FileRecord> records, std::size_t done) {
        deliver(std::move(records), done);
        if (done == 5)
            stop.request_stop();
    };
    const ScanSummary summary = Scan({dir.Path().string()}, {2, {}}, receiver, stop.get_token());
    EXPECT_TRUE(summary.stopped);
    EXPECT_EQ(summary.filesInAll, 40U);
    // The file the other worker had in hand is finished, no more.
    EXPECT_GE(summary.filesDone, 5U);
    EXPECT_LE(summary.filesDone, 6U);
    EXPECT_EQ(collected.byPath.size(), summary.filesDone);
}

TEST(Scan, KnownFilesAreNotRead)
{
    const fixtures::TempDir dir;
    fixtures::WriteConflictTree(dir.Path());
    ScanOptions options;
    options.known = [](const ListedFile& file) -> std::optional<std::vector<FileRecord>> {
        if (fs::path(file.path).filename() != "Lamp.iff")
            return std::nullopt;
        FileRecord remembered;
        remembered.path = file.path;
        remembered.texts = "remembered";
        return std::vector<FileRecord>{remembered};
    };
    Collected collected;
    const ScanSummary summary = Scan({dir.Path().string()}, options, Collect(collected));
    EXPECT_EQ(summary.filesRead, 9U);
    EXPECT_EQ(collected.byPath.at((dir.Path() / "Downloads" / "Lamp.iff").string()).texts, "remembered");
}

TEST(Scan, UnreadableFilesAndFoldersAreSaidSo)
{
    const fixtures::TempDir dir;
    fs::create_directories(dir.Path() / "folder.iff");
    fs::create_symlink(dir.Path(), dir.Path() / "loop");  // walked once, not forever
    fs::create_symlink(dir.Path() / "absent", dir.Path() / "dangling.iff");
    fixtures::WriteFile(dir.Path() / "one.iff", fixtures::ObjectFileBytes({1, 0, "o", "o"}));
    Collected collected;
    const ScanSummary summary =
        Scan({dir.Path().string(), (dir.Path() / "absent").string()}, {}, Collect(collected));
    EXPECT_EQ(summary.filesInAll, 2U);  // one.iff, and the absent root
    const FileRecord& absent = collected.byPath.at((dir.Path() / "absent").string());
    ASSERT_EQ(absent.damage.size(), 1U);
    EXPECT_EQ(absent.damage[0].rfind("unreadable: ", 0), 0U) << absent.damage[0];
}

TEST(Scan, IndexesTheChunkFilesInsideAnArchive)
{
    const fixtures::TempDir dir;
    const fixtures::Bytes chair =
        fixtures::ObjectFileBytes({.guid = 77, .label = "Chair", .englishName = "Chair"});
    fixtures::WriteFile(dir.Path() / "Objects.FAR",
                        fixtures::FarBuilder()
                            .Member("chair.iff", chair)
                            .Member("People\\maid.IFF", fixtures::Bytes(10, 0))
                            .Member("readme.txt", fixtures::ToBytes("not a chunk file"))
                            .Build());
    fixtures::WriteFile(dir.Path() / "Broken.far", fixtures::ToBytes("FAR!byAZ"));
    Collected collected;
    std::vector<FileRecord> all;
    (void)Scan({dir.Path().string()}, {}, {{}, [&](std::vector<FileRecord> records, std::size_t) {
                                               all.insert(all.end(), records.begin(), records.end());
                                           }});
    std::sort(all.begin(), all.end(), [](const FileRecord& a, const FileRecord& b) {
        return std::tie(a.path, a.member) < std::tie(b.path, b.member);
    });
    ASSERT_EQ(all.size(), 4U);
    EXPECT_EQ(fs::path(all[0].path).filename(), "Broken.far");
    ASSERT_EQ(all[0].damage.size(), 1U);
    EXPECT_EQ(all[0].damage[0].rfind("archive: ", 0), 0U) << all[0].damage[0];
    EXPECT_EQ(all[1].member, "");
    EXPECT_EQ(all[1].notes, (std::vector<std::string>{"an archive of 3 members, 2 of them chunk files"}));
    EXPECT_EQ(all[2].member, "People\\maid.IFF");
    EXPECT_TRUE(all[2].damaged());  // ten zero bytes are no chunk file
    EXPECT_EQ(all[3].member, "chair.iff");
    EXPECT_EQ(all[3].size, chair.size());
    EXPECT_FALSE(all[3].damaged());
    ASSERT_EQ(all[3].objects.size(), 1U);
    EXPECT_EQ(all[3].objects[0].guid, 77U);
}

}  // namespace
}  // namespace tarnwick::library
