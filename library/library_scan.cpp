#include "library/library_scan.h"

#include <algorithm>
#include <mutex>
#include <thread>

#include "library/archive_index.h"
#include "library/file_index.h"
#include "model/container/file_reader.h"

namespace tarnwick::library {

std::vector<FileRecord> IndexListedFile(const ListedFile& file)
{
    if (file.archive)
        return IndexArchive(file);
    FileReadResult read = ReadWholeFile(file.path);
    FileRecord record;
    if (read.ok())
        record = IndexChunkBytes(ByteString(std::move(read.bytes)));
    else
        record.damage.push_back("unreadable: " + read.error);
    record.path = file.path;
    record.size = file.size;
    record.modified = file.modified;
    return {std::move(record)};
}

ScanSummary Scan(const std::vector<std::string>& roots, const ScanOptions& options,
                 const ScanReceiver& receiver, std::stop_token stop)
{
    FolderWalk walk = ListIndexableFiles(roots, stop);
    ScanSummary summary;
    summary.filesInAll = walk.files.size();
    summary.problems = std::move(walk.problems);
    if (receiver.listed)
        receiver.listed(summary.filesInAll);

    std::atomic<std::size_t> next{0};
    std::mutex delivery;
    const auto work = [&] {
        for (;;) {
            if (stop.stop_requested())
                return;
            const std::size_t at = next.fetch_add(1);
            if (at >= walk.files.size())
                return;
            const ListedFile& file = walk.files[at];
            std::optional<std::vector<FileRecord>> records =
                options.known ? options.known(file) : std::nullopt;
            const bool read = !records;
            if (read)
                records = IndexListedFile(file);
            const std::lock_guard lock(delivery);
            ++summary.filesDone;
            summary.filesRead += read ? 1 : 0;
            if (receiver.indexed)
                receiver.indexed(std::move(*records), summary.filesDone);
        }
    };
    const unsigned hardware = std::max(1U, std::thread::hardware_concurrency());
    const std::size_t workers = std::min<std::size_t>(options.workers == 0 ? hardware : options.workers,
                                                      std::max<std::size_t>(1, walk.files.size()));
    {
        std::vector<std::jthread> pool;
        for (std::size_t i = 1; i < workers; ++i)
            pool.emplace_back(work);
        work();
    }
    summary.stopped = stop.stop_requested() && summary.filesDone < summary.filesInAll;
    return summary;
}

}  // namespace tarnwick::library
