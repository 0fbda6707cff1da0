#include "library/folder_walk.h"

#include <filesystem>
#include <set>

#include "library/file_index.h"
#include "system/folder_listing.h"

namespace tarnwick::library {

namespace {

namespace fs = std::filesystem;

// Deeper than any game or download folder; a bound however the links run.
constexpr int kMaxDepth = 64;

class Walker {
public:
    explicit Walker(std::stop_token stop) : stop_(std::move(stop)) {}

    void Root(const std::string& root)
    {
        if (IsFolder(root))
            Folder(root, 0);
        else
            File(root, IsArchiveName(root));
    }

    FolderWalk Take() { return std::move(walk_); }

private:
    void Folder(const std::string& path, int depth)
    {
        std::error_code error;
        const fs::path canonical = fs::canonical(fs::path(path), error);
        if (stop_.stop_requested() || depth > kMaxDepth || (!error && !visited_.insert(canonical).second))
            return;
        const FolderRead read = ReadFolder(path);
        if (!read.Opened) {
            walk_.problems.push_back(path + ": " + read.Reason);
            return;
        }
        const std::string prefix = path.empty() || path.back() == '/' ? path : path + '/';
        for (std::size_t i = 0; i < read.Entries.Size(); ++i) {
            const std::string_view name = read.Entries.Name(i);
            if (read.Entries.Kind(i) == EntryKind::Folder)
                Folder(prefix + std::string(name), depth + 1);
            else if (read.Entries.Kind(i) == EntryKind::File &&
                     (IsChunkFileName(name) || IsArchiveName(name)))
                File(prefix + std::string(name), IsArchiveName(name));
        }
    }

    // One look at the file for both its size and its time: on a second
    // start from the cache, these looks are most of the work.
    void File(std::string path, bool archive)
    {
        const std::optional<SizeAndTime> stamp = SizeAndTimeOf(path);
        walk_.files.push_back(
            {std::move(path), stamp ? stamp->Size : 0, stamp ? stamp->Modified : 0, archive});
    }

    std::stop_token stop_;
    std::set<fs::path> visited_;
    FolderWalk walk_;
};

}  // namespace

FolderWalk ListIndexableFiles(const std::vector<std::string>& roots, std::stop_token stop)
{
    Walker walker(std::move(stop));
    for (const std::string& root : roots)
        walker.Root(root);
    return walker.Take();
}

}  // namespace tarnwick::library
