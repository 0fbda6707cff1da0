#include "library/index_cache.h"

#include <sqlite3.h>

#include <algorithm>
#include <string_view>

#include "library/content_hash.h"
#include "library/record_codec.h"
#include "system/cache_folder.h"

namespace tarnwick::library {

namespace {

// Tells our cache from any other SQLite file: "TWLI".
constexpr int kApplicationId = 0x54574C49;

constexpr const char* kSchema =
    "CREATE TABLE files (path BLOB PRIMARY KEY, size INTEGER NOT NULL, modified INTEGER NOT NULL,"
    " records BLOB NOT NULL, checksum INTEGER NOT NULL) WITHOUT ROWID;";

// A statement finalised however its scope ends.
class Statement {
public:
    Statement(sqlite3* db, const char* text) { sqlite3_prepare_v2(db, text, -1, &statement_, nullptr); }
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    [[nodiscard]] sqlite3_stmt* get() const { return statement_; }
    [[nodiscard]] bool ok() const { return statement_ != nullptr; }

private:
    sqlite3_stmt* statement_ = nullptr;
};

bool IsLocked(int code) { return (code & 0xFF) == SQLITE_BUSY || (code & 0xFF) == SQLITE_LOCKED; }

std::int64_t Checksum(ByteSpan bytes) { return static_cast<std::int64_t>(ContentHash(bytes)); }

bool UnderRoot(const std::string& path, const std::string& root)
{
    if (path.size() < root.size() || path.compare(0, root.size(), root) != 0)
        return false;
    return path.size() == root.size() || root.ends_with('/') || path[root.size()] == '/';
}

bool Locked(sqlite3* db) { return IsLocked(sqlite3_extended_errcode(db)); }

}  // namespace

IndexCache::IndexCache(const std::filesystem::path& file, int busyMilliseconds) : file_(file)
{
    std::error_code error;
    std::filesystem::create_directories(file_.parent_path(), error);
    if (sqlite3_open_v2(file_.string().c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        problem_ =
            "cannot open " + file_.string() + ": " + (db_ != nullptr ? sqlite3_errmsg(db_) : "no memory");
        Close();
        return;
    }
    sqlite3_busy_timeout(db_, busyMilliseconds);
    const std::string why = Load();
    if (why.empty())
        return;
    if (Locked(db_)) {
        problem_ = "locked by another program: " + why;
        rows_.clear();
        Close();
        return;
    }
    // Damaged or of another version: what it holds can always be made again.
    problem_ = why;
    rows_.clear();
    Close();
    for (const char* suffix : {"", "-journal", "-wal", "-shm"})
        std::filesystem::remove(file_.string() + suffix, error);
    if (sqlite3_open_v2(file_.string().c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
            SQLITE_OK ||
        !Make()) {
        problem_ += "; it cannot be made anew";
        Close();
        return;
    }
    sqlite3_busy_timeout(db_, busyMilliseconds);
    state_ = State::Rebuilt;
}

IndexCache::~IndexCache() { Close(); }

void IndexCache::Close()
{
    sqlite3_close(db_);
    db_ = nullptr;
    state_ = State::Unavailable;
}

bool IndexCache::Execute(const char* statement)
{
    return sqlite3_exec(db_, statement, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool IndexCache::Make()
{
    return Execute("BEGIN IMMEDIATE;") && Execute(kSchema) &&
           Execute(("PRAGMA application_id = " + std::to_string(kApplicationId) + ";").c_str()) &&
           Execute(("PRAGMA user_version = " + std::to_string(kSchemaVersion) + ";").c_str()) &&
           Execute("COMMIT;");
}

// Reads every row into memory; the reason the cache cannot be trusted, or "".
std::string IndexCache::Load()
{
    {
        Statement check(db_, "PRAGMA quick_check;");
        if (!check.ok() || sqlite3_step(check.get()) != SQLITE_ROW)
            return std::string("unreadable: ") + sqlite3_errmsg(db_);
        const auto* verdict = reinterpret_cast<const char*>(sqlite3_column_text(check.get(), 0));
        if (verdict == nullptr || std::string_view(verdict) != "ok")
            return "damaged: " + std::string(verdict != nullptr ? verdict : "");
    }
    int application = 0;
    int version = 0;
    {
        Statement id(db_, "PRAGMA application_id;");
        Statement user(db_, "PRAGMA user_version;");
        if (!id.ok() || !user.ok() || sqlite3_step(id.get()) != SQLITE_ROW ||
            sqlite3_step(user.get()) != SQLITE_ROW)
            return std::string("unreadable: ") + sqlite3_errmsg(db_);
        application = sqlite3_column_int(id.get(), 0);
        version = sqlite3_column_int(user.get(), 0);
    }
    if (application == 0 && version == 0) {
        Statement tables(db_, "SELECT count(*) FROM sqlite_schema;");
        if (!tables.ok() || sqlite3_step(tables.get()) != SQLITE_ROW)
            return std::string("unreadable: ") + sqlite3_errmsg(db_);
        if (sqlite3_column_int(tables.get(), 0) != 0)
            return "not a cache of this program";
        if (!Make())
            return std::string("cannot be made: ") + sqlite3_errmsg(db_);
        state_ = State::Made;
        return {};
    }
    if (application != kApplicationId)
        return "not a cache of this program";
    if (version != kSchemaVersion)
        return "of schema version " + std::to_string(version) + ", not " + std::to_string(kSchemaVersion);

    Statement rows(db_, "SELECT path, size, modified, records, checksum FROM files;");
    if (!rows.ok())
        return std::string("unreadable: ") + sqlite3_errmsg(db_);
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(rows.get())) == SQLITE_ROW) {
        const auto* pathBytes = static_cast<const char*>(sqlite3_column_blob(rows.get(), 0));
        std::string path(pathBytes != nullptr ? pathBytes : "",
                         static_cast<std::size_t>(sqlite3_column_bytes(rows.get(), 0)));
        const auto* blob = static_cast<const std::uint8_t*>(sqlite3_column_blob(rows.get(), 3));
        const ByteSpan bytes(
            blob, blob != nullptr ? static_cast<std::size_t>(sqlite3_column_bytes(rows.get(), 3)) : 0);
        std::optional<std::vector<FileRecord>> records;
        if (Checksum(bytes) == sqlite3_column_int64(rows.get(), 4))
            records = DecodeRecords(bytes);
        if (!records)
            return "damaged: the row of " + path + " does not read";
        rows_[std::move(path)] = {static_cast<std::uint64_t>(sqlite3_column_int64(rows.get(), 1)),
                                  sqlite3_column_int64(rows.get(), 2), std::move(*records)};
    }
    if (step != SQLITE_DONE)
        return std::string("unreadable: ") + sqlite3_errmsg(db_);
    state_ = State::Opened;
    return {};
}

std::optional<std::vector<FileRecord>> IndexCache::Find(const ListedFile& file) const
{
    const auto found = rows_.find(file.path);
    if (found == rows_.end() || found->second.size != file.size || found->second.modified != file.modified)
        return std::nullopt;
    return found->second.records;
}

bool IndexCache::Update(const std::vector<std::string>& roots, const std::vector<FileRecord>& records,
                        bool complete)
{
    if (db_ == nullptr)
        return false;
    // An archive's members share its row, keyed by the archive's size and
    // time. The records are only pointed at: a second start finds every row
    // as it was and copies nothing.
    struct Scanned {
        std::uint64_t size = 0;
        std::int64_t modified = 0;
        std::vector<const FileRecord*> records;
    };
    std::map<std::string_view, Scanned> current;
    for (const FileRecord& record : records) {
        Scanned& row = current[record.path];
        if (record.member.empty()) {  // the file itself; its members have sizes of their own
            row.size = record.size;
            row.modified = record.modified;
        }
        row.records.push_back(&record);
    }
    const auto unchanged = [](const Row& kept, const Scanned& row) {
        return kept.size == row.size && kept.modified == row.modified &&
               std::equal(kept.records.begin(), kept.records.end(), row.records.begin(), row.records.end(),
                          [](const FileRecord& a, const FileRecord* b) { return a == *b; });
    };
    const auto stale = [&](const std::string& path) {
        return !current.contains(path) &&
               std::any_of(roots.begin(), roots.end(),
                           [&](const std::string& root) { return UnderRoot(path, root); });
    };
    const bool anyStale = complete && std::any_of(rows_.begin(), rows_.end(),
                                                  [&](const auto& row) { return stale(row.first); });
    const bool anyChanged = std::any_of(current.begin(), current.end(), [&](const auto& row) {
        const auto kept = rows_.find(row.first);
        return kept == rows_.end() || !unchanged(kept->second, row.second);
    });
    if (!anyStale && !anyChanged)
        return true;  // nothing to write: no transaction, no lock
    if (!Execute("BEGIN IMMEDIATE;"))
        return false;
    bool written = true;
    {
        Statement remove(db_, "DELETE FROM files WHERE path = ?1;");
        Statement insert(db_, "INSERT OR REPLACE INTO files VALUES (?1, ?2, ?3, ?4, ?5);");
        written = remove.ok() && insert.ok();
        for (auto row = rows_.begin(); written && complete && row != rows_.end();) {
            if (!stale(row->first)) {
                ++row;
                continue;
            }
            sqlite3_reset(remove.get());
            sqlite3_bind_blob(remove.get(), 1, row->first.data(), static_cast<int>(row->first.size()),
                              SQLITE_STATIC);
            written = sqlite3_step(remove.get()) == SQLITE_DONE;
            row = rows_.erase(row);
        }
        for (const auto& [path, row] : current) {
            const auto kept = rows_.find(path);
            if (!written || (kept != rows_.end() && unchanged(kept->second, row)))
                continue;
            Row copy{row.size, row.modified, {}};
            copy.records.reserve(row.records.size());
            for (const FileRecord* record : row.records)
                copy.records.push_back(*record);
            const std::vector<std::uint8_t> blob = EncodeRecords(copy.records);
            sqlite3_reset(insert.get());
            sqlite3_bind_blob(insert.get(), 1, path.data(), static_cast<int>(path.size()), SQLITE_STATIC);
            sqlite3_bind_int64(insert.get(), 2, static_cast<sqlite3_int64>(row.size));
            sqlite3_bind_int64(insert.get(), 3, row.modified);
            sqlite3_bind_blob(insert.get(), 4, blob.data(), static_cast<int>(blob.size()), SQLITE_TRANSIENT);
            sqlite3_bind_int64(insert.get(), 5, Checksum(blob));
            written = sqlite3_step(insert.get()) == SQLITE_DONE;
            rows_.insert_or_assign(std::string(path), std::move(copy));
        }
    }
    if (!written || !Execute("COMMIT;")) {
        (void)Execute("ROLLBACK;");
        return false;
    }
    return true;
}

std::filesystem::path DefaultCacheFile()
{
    return UserCacheFolder(SearchPlaces::OfThisUser()) / "library.sqlite";
}

}  // namespace tarnwick::library
