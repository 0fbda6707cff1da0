#include "library/game_objects.h"

#include <algorithm>
#include <iterator>
#include <tuple>

#include "library/index_cache.h"
#include "library/library_scan.h"
#include "system/ascii_case.h"
#include "system/folder_names.h"

namespace tarnwick::library {

namespace fs = std::filesystem;

namespace {

bool IsGameOwnFolder(std::string_view name)
{
    return EqualIgnoringCase(name, "GameData") || EqualIgnoringCase(name, "Deluxe") ||
           StartsWithIgnoringCase(name, "Expansion");
}

fs::path NormalPath(const fs::path& path)
{
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    return (error ? path : absolute).lexically_normal();
}

// Whether `candidate` is a better original than `kept`: the game's archives
// before its loose files, then the first by path.
bool Precedes(const GameObject& candidate, const GameObject& kept)
{
    if (candidate.member.empty() != kept.member.empty())
        return !candidate.member.empty();
    return std::tie(candidate.path, candidate.member) < std::tie(kept.path, kept.member);
}

}  // namespace

std::vector<std::string> GameObjectFolders(const fs::path& gameFolder)
{
    std::vector<std::string> folders;
    std::error_code error;
    for (fs::directory_iterator entry(gameFolder, error), end; !error && entry != end; entry.increment(error))
        if (IsGameOwnFolder(NameOf(entry->path())) && IsFolderPath(entry->path()))
            folders.push_back(NormalPath(entry->path()).string());
    std::sort(folders.begin(), folders.end());
    return folders;
}

bool IsGameOwnFile(const std::string& path, const fs::path& gameFolder)
{
    const fs::path folder = NormalPath(gameFolder);
    const fs::path relative = NormalPath(path).lexically_relative(folder);
    if (relative.empty() || *relative.begin() == "..")
        return false;
    const fs::path first = *relative.begin();
    return IsGameOwnFolder(NameOf(first)) && IsFolderPath(folder / first);
}

GameObjects::GameObjects(const std::vector<FileRecord>& files)
{
    for (const FileRecord& file : files)
        for (const ObjectRecord& object : file.objects) {
            GameObject candidate{file.path, file.member, object};
            const auto [kept, added] = byGuid_.try_emplace(object.guid, candidate);
            if (!added && Precedes(candidate, kept->second))
                kept->second = std::move(candidate);
        }
}

std::optional<GameObject> GameObjects::Find(std::uint32_t guid) const
{
    const auto found = byGuid_.find(guid);
    return found == byGuid_.end() ? std::nullopt : std::optional(found->second);
}

std::shared_ptr<const GameObjects> IndexGameObjects(const fs::path& gameFolder, const fs::path& cacheFile,
                                                    const std::stop_token& stop)
{
    const std::vector<std::string> folders = GameObjectFolders(gameFolder);
    std::optional<IndexCache> cache;
    ScanOptions options;
    if (!cacheFile.empty()) {
        cache.emplace(cacheFile);
        if (cache->state() != IndexCache::State::Unavailable)
            options.known = [&](const ListedFile& file) { return cache->Find(file); };
    }
    std::vector<FileRecord> files;
    const ScanSummary summary =
        Scan(folders, options,
             {{},
              [&](std::vector<FileRecord> records, std::size_t) {
                  std::move(records.begin(), records.end(), std::back_inserter(files));
              }},
             stop);
    if (summary.stopped || stop.stop_requested())
        return nullptr;
    // A cache that cannot be written costs the next look its speed, nothing more.
    if (cache && cache->state() != IndexCache::State::Unavailable)
        (void)cache->Update(folders, files, true);
    return std::make_shared<const GameObjects>(files);
}

}  // namespace tarnwick::library
