// The cache of the index: what a second scan reads, and caches not to be trusted.
#include "library/index_cache.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>

#include "library/library_scan.h"
#include "library/record_codec.h"
#include "synth/library_tree_builder.h"
#include "synth/temp_dir.h"
#include "tests/support/case_name.h"

namespace tarnwick::library {
namespace {

namespace fs = std::filesystem;

struct Pass {
    ScanSummary summary;
    std::vector<FileRecord> records;
};

// One scan of the tree with a cache opened for it, as the program runs one.
Pass ScanWith(const fs::path& cacheFile, const fs::path& root, IndexCache::State expected, int busy = 2000)
{
    IndexCache cache(cacheFile, busy);
    EXPECT_EQ(cache.state(), expected) << cache.problem();
    ScanOptions options;
    if (cache.state() != IndexCache::State::Unavailable)
        options.known = [&](const ListedFile& file) { return cache.Find(file); };
    Pass pass;
    pass.summary = Scan({root.string()}, options, {{}, [&](std::vector<FileRecord> records, std::size_t) {
                                                       for (FileRecord& record : records)
                                                           pass.records.push_back(std::move(record));
                                                   }});
    if (cache.state() != IndexCache::State::Unavailable) {
        EXPECT_TRUE(cache.Update({root.string()}, pass.records, true));
    }
    return pass;
}

class Cache : public testing::Test {
protected:
    void SetUp() override { fixtures::WriteConflictTree(Tree()); }
    fs::path Tree() const { return dir_.Path() / "game"; }
    fs::path File() const { return dir_.Path() / "cache" / "library.sqlite"; }
    fs::path Downloads() const { return Tree() / "Downloads"; }

private:
    fixtures::TempDir dir_;
};

TEST_F(Cache, ASecondScanReadsNothingAndGivesTheSameRecords)
{
    const Pass first = ScanWith(File(), Tree(), IndexCache::State::Made);
    EXPECT_EQ(first.summary.filesRead, 10U);
    const Pass second = ScanWith(File(), Tree(), IndexCache::State::Opened);
    EXPECT_EQ(second.summary.filesRead, 0U);
    auto sorted = [](std::vector<FileRecord> records) {
        std::sort(records.begin(), records.end(),
                  [](const auto& a, const auto& b) { return a.path < b.path; });
        return records;
    };
    EXPECT_EQ(sorted(second.records), sorted(first.records));
}

TEST_F(Cache, ReadsOnlyWhatChanged)
{
    (void)ScanWith(File(), Tree(), IndexCache::State::Made);
    // Touched: the same bytes, a new time.
    fs::last_write_time(Downloads() / "Lamp.iff",
                        fs::last_write_time(Downloads() / "Lamp.iff") + std::chrono::seconds(5));
    // Replaced: another object of the same size and time.
    const auto chairTime = fs::last_write_time(Downloads() / "Chair.iff");
    fixtures::WriteFile(Downloads() / "Chair.iff",
                        fixtures::ObjectFileBytes(
                            {.guid = 99, .label = "Chair", .englishName = "Dining Chair", .price = 81}));
    fs::last_write_time(Downloads() / "Chair.iff", chairTime + std::chrono::seconds(1));
    fs::remove(Downloads() / "Vase.iff");
    const Pass pass = ScanWith(File(), Tree(), IndexCache::State::Opened);
    EXPECT_EQ(pass.summary.filesDone, 9U);
    EXPECT_EQ(pass.summary.filesRead, 2U);
    const auto chair = std::find_if(pass.records.begin(), pass.records.end(), [&](const FileRecord& r) {
        return r.path == (Downloads() / "Chair.iff").string();
    });
    ASSERT_NE(chair, pass.records.end());
    EXPECT_EQ(chair->objects.at(0).guid, 99U);

    IndexCache reopened(File());
    EXPECT_EQ(reopened.size(), 9U);  // the deleted file's row went with it
}

TEST_F(Cache, DeletingItLosesNothing)
{
    const Pass first = ScanWith(File(), Tree(), IndexCache::State::Made);
    fs::remove(File());
    const Pass second = ScanWith(File(), Tree(), IndexCache::State::Made);
    EXPECT_EQ(second.summary.filesRead, 10U);
    EXPECT_EQ(second.records.size(), first.records.size());
}

struct Damage {
    const char* name;
    void (*spoil)(const fs::path& file);
};

class DamagedCache : public Cache, public testing::WithParamInterface<Damage> {};

TEST_P(DamagedCache, IsRebuiltAndNeverTrusted)
{
    (void)ScanWith(File(), Tree(), IndexCache::State::Made);
    GetParam().spoil(File());
    const Pass pass = ScanWith(File(), Tree(), IndexCache::State::Rebuilt);
    EXPECT_EQ(pass.summary.filesRead, 10U);
    EXPECT_EQ(pass.records.size(), 10U);
    // What was made anew serves the scan after.
    EXPECT_EQ(ScanWith(File(), Tree(), IndexCache::State::Opened).summary.filesRead, 0U);
}

void Execute(const fs::path& file, const char* statement)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.string().c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, statement, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedCache,
    testing::Values(
        Damage{"garbage bytes",
               [](const fs::path& file) {
                   std::ofstream out(file, std::ios::binary | std::ios::trunc);
                   for (int i = 0; i < 10000; ++i)
                       out.put(static_cast<char>(i * 37));
               }},
        Damage{"truncated", [](const fs::path& file) { fs::resize_file(file, fs::file_size(file) / 2); }},
        Damage{"a page overwritten",
               [](const fs::path& file) {
                   std::fstream out(file, std::ios::binary | std::ios::in | std::ios::out);
                   out.seekp(4096 + 100);
                   for (int i = 0; i < 2000; ++i)
                       out.put('\xA3');
               }},
        Damage{"a row whose record does not read",
               [](const fs::path& file) { Execute(file, "UPDATE files SET records = x'0100';"); }},
        Damage{"another schema version",
               [](const fs::path& file) { Execute(file, "PRAGMA user_version = 99;"); }},
        Damage{"another program's database",
               [](const fs::path& file) { Execute(file, "PRAGMA application_id = 7;"); }}),
    fixtures::RowName());

TEST_F(Cache, LockedByAnotherConnectionIsLeftAloneAndEveryFileRead)
{
    (void)ScanWith(File(), Tree(), IndexCache::State::Made);
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(File().string().c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE; DELETE FROM files;", nullptr, nullptr, nullptr),
              SQLITE_OK);
    const Pass pass = ScanWith(File(), Tree(), IndexCache::State::Unavailable, 50);
    EXPECT_EQ(pass.summary.filesRead, 10U);
    ASSERT_EQ(sqlite3_exec(other, "ROLLBACK;", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);
    // Untouched by the scan that could not use it.
    EXPECT_EQ(ScanWith(File(), Tree(), IndexCache::State::Opened).summary.filesRead, 0U);
}

// A second start that finds every file as it was writes nothing, so it
// neither waits for nor needs the lock another program holds on the cache;
// any change still goes through the lock, and fails while it is held.
struct CacheChange {
    const char* name;
    void (*change)(std::vector<FileRecord>& records);
    bool complete;
    bool needsTheLock;
};

class CacheWrite : public Cache, public testing::WithParamInterface<CacheChange> {};

TEST_P(CacheWrite, TakesTheLockOnlyForAChange)
{
    std::vector<FileRecord> records = ScanWith(File(), Tree(), IndexCache::State::Made).records;
    IndexCache cache(File(), 50);
    ASSERT_EQ(cache.state(), IndexCache::State::Opened) << cache.problem();
    GetParam().change(records);
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(File().string().c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE;", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_EQ(cache.Update({Tree().string()}, records, GetParam().complete), !GetParam().needsTheLock);
    ASSERT_EQ(sqlite3_exec(other, "ROLLBACK;", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);
    EXPECT_TRUE(cache.Update({Tree().string()}, records, GetParam().complete));
    // A stopped scan keeps the rows of the files it did not reach.
    EXPECT_EQ(IndexCache(File()).size(), GetParam().complete ? records.size() : 10U);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, CacheWrite,
    testing::Values(
        CacheChange{"nothing", [](std::vector<FileRecord>&) {}, true, false},
        CacheChange{"a file gone from a scan stopped early",
                    [](std::vector<FileRecord>& records) { records.pop_back(); }, false, false},
        CacheChange{"a file gone", [](std::vector<FileRecord>& records) { records.pop_back(); }, true, true},
        CacheChange{"a newer time", [](std::vector<FileRecord>& records) { records.front().modified += 1; },
                    true, true},
        CacheChange{"another size", [](std::vector<FileRecord>& records) { records.back().size += 1; }, true,
                    true},
        CacheChange{"an object's new price",
                    [](std::vector<FileRecord>& records) {
                        for (FileRecord& record : records)
                            for (ObjectRecord& object : record.objects)
                                object.price = static_cast<std::uint16_t>(object.price + 1);
                    },
                    true, true}),
    fixtures::RowName());

TEST(RecordCodec, ReadsBackWhatItWroteAndDeclinesEveryCut)
{
    FileRecord file;
    file.path = "/a/b.iff";
    file.member = "m";
    file.size = 1234;
    file.modified = -5;
    file.contentHash = 0xFEDCBA9876543210ULL;
    file.chunkCount = 3;
    file.damage = {"x"};
    file.notes = {"n"};
    file.unknownTypes = {"ABCD", "EFGH"};
    file.texts = "one\ntwo\n";
    file.objects = {{1, 2, 3, "label", 4, {{15, "\x83\x41", CodePage::ShiftJis}}, 5, 6, -1}};
    const std::vector<std::uint8_t> bytes = EncodeRecords({file, FileRecord{}});
    const auto decoded = DecodeRecords(bytes);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(*decoded, (std::vector<FileRecord>{file, FileRecord{}}));
    for (std::size_t cut = 0; cut < bytes.size(); ++cut)
        EXPECT_FALSE(DecodeRecords(ByteSpan(bytes.data(), cut))) << cut;
    std::vector<std::uint8_t> longer = bytes;
    longer.push_back(0);
    EXPECT_FALSE(DecodeRecords(longer));
}

}  // namespace
}  // namespace tarnwick::library
