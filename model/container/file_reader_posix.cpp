#include "model/container/file_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <array>
#include <cerrno>
#include <new>
#include <optional>
#include <system_error>
#include <utility>

namespace tarnwick {

namespace {

FileReadResult Failure(int error) { return {{}, std::generic_category().message(error)}; }

FileReadResult Failure(const char* reason) { return {{}, reason}; }

// Why a file of this kind cannot be read at all, or nothing if it can.
std::optional<FileReadResult> KindRefusalFor(const struct stat& info)
{
    if (S_ISDIR(info.st_mode))
        return Failure(EISDIR);
    if (!S_ISREG(info.st_mode))
        return Failure("Not a regular file");
    return std::nullopt;
}

// Why a file of this kind and size cannot be read whole, or nothing if it can.
std::optional<FileReadResult> RefusalFor(const struct stat& info)
{
    if (auto refusal = KindRefusalFor(info))
        return refusal;
    if (static_cast<std::uint64_t>(info.st_size) > kLargestReadableFile)
        return Failure(EFBIG);
    return std::nullopt;
}

FileRangeResult RangeFailure(FileReadResult failure) { return {{}, 0, std::move(failure.error)}; }

// How much is read at a time past the size the system reports.
constexpr std::size_t kReadStep = std::size_t{16} * 1024;

// Reads until `count` bytes are in or the file ends; the number read, or -1
// with errno set.
ssize_t ReadUpTo(int fd, std::uint8_t* into, std::size_t count)
{
    std::size_t done = 0;
    while (done < count) {
        const ssize_t got = ::read(fd, into + done, count - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    return static_cast<ssize_t>(done);
}

// Reads from `offset` until `count` bytes are in or the file ends; the number
// read, or -1 with errno set.
ssize_t ReadUpToAt(int fd, std::uint8_t* into, std::size_t count, std::uint64_t offset)
{
    std::size_t done = 0;
    while (done < count) {
        const ssize_t got = ::pread(fd, into + done, count - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    return static_cast<ssize_t>(done);
}

class FileDescriptor {
public:
    FileDescriptor() = default;
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    [[nodiscard]] int get() const { return fd_; }
    // Opens `path` for reading, non-blocking, in case it turned into a pipe
    // since it was looked at.
    void Open(const std::string& path)
    {
        fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    }

private:
    int fd_ = -1;
};

// Opens `path` into `file` unless `refuse` finds a reason against what it
// names; asked again of the file opened, as the path may have changed in
// between. The reason, else nothing, with `info` describing the open file.
std::optional<FileReadResult> OpenForReading(const std::string& path,
                                             std::optional<FileReadResult> (*refuse)(const struct stat&),
                                             FileDescriptor& file, struct stat& info)
{
    if (::stat(path.c_str(), &info) != 0)
        return Failure(errno);
    if (auto refusal = refuse(info))
        return refusal;
    file.Open(path);
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0)
        return Failure(errno);
    return refuse(info);
}

}  // namespace

FileReadResult ReadWholeFile(const std::string& path)
{
    FileDescriptor file;
    struct stat info {};
    if (auto refusal = OpenForReading(path, RefusalFor, file, info))
        return *refusal;

    FileReadResult result;
    try {
        result.bytes.resize(static_cast<std::size_t>(info.st_size));
        const ssize_t got = ReadUpTo(file.get(), result.bytes.data(), result.bytes.size());
        if (got < 0)
            return Failure(errno);
        if (static_cast<std::size_t>(got) < result.bytes.size()) {
            result.bytes.resize(static_cast<std::size_t>(got));  // the file shrank while it was read
            return result;
        }
        // The reported size is where the reading starts, not where it ends:
        // files of /proc report 0 and hold text. Whatever follows is read to
        // the end of the file, up to the largest readable size.
        std::array<std::uint8_t, kReadStep> more;  // not cleared: it is read into before use
        for (;;) {
            const ssize_t extra = ReadUpTo(file.get(), more.data(), more.size());
            if (extra < 0)
                return Failure(errno);
            const auto count = static_cast<std::size_t>(extra);
            if (count > kLargestReadableFile - result.bytes.size())
                return Failure(EFBIG);
            result.bytes.insert(result.bytes.end(), more.begin(), more.begin() + extra);
            if (count < more.size())
                return result;
        }
    } catch (const std::bad_alloc&) {
        return Failure(ENOMEM);
    }
}

FileRangeResult ReadFileRange(const std::string& path, std::uint64_t offset, std::uint64_t size)
{
    if (size > kLargestReadableFile)
        return RangeFailure(Failure(EFBIG));
    FileDescriptor file;
    struct stat info {};
    if (auto refusal = OpenForReading(path, KindRefusalFor, file, info))
        return RangeFailure(*refusal);

    FileRangeResult result;
    result.fileSize = static_cast<std::uint64_t>(info.st_size);
    if (offset >= result.fileSize)
        return result;
    // Only what the file holds is allocated, however large the range asked.
    const std::uint64_t available = std::min(size, result.fileSize - offset);
    try {
        result.bytes.resize(static_cast<std::size_t>(available));
    } catch (const std::bad_alloc&) {
        return RangeFailure(Failure(ENOMEM));
    }
    const ssize_t got = ReadUpToAt(file.get(), result.bytes.data(), result.bytes.size(), offset);
    if (got < 0)
        return RangeFailure(Failure(errno));
    result.bytes.resize(static_cast<std::size_t>(got));  // less when the file shrank since it was opened
    return result;
}

}  // namespace tarnwick
