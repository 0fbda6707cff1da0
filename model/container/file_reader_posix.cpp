#include "model/container/file_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <array>
#include <cerrno>
#include <new>
#include <optional>
#include <system_error>

namespace tarnwick {

namespace {

FileReadResult Failure(int error) { return {{}, std::generic_category().message(error)}; }

FileReadResult Failure(const char* reason) { return {{}, reason}; }

// Why a file of this kind and size cannot be read whole, or nothing if it can.
std::optional<FileReadResult> RefusalFor(const struct stat& info)
{
    if (S_ISDIR(info.st_mode))
        return Failure(EISDIR);
    if (!S_ISREG(info.st_mode))
        return Failure("Not a regular file");
    if (static_cast<std::uint64_t>(info.st_size) > kLargestReadableFile)
        return Failure(EFBIG);
    return std::nullopt;
}

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

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    [[nodiscard]] int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

FileReadResult ReadWholeFile(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return Failure(errno);
    if (auto refusal = RefusalFor(info))
        return *refusal;

    // Non-blocking, in case the path turned into a pipe since the check above.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0)
        return Failure(errno);
    if (::fstat(file.get(), &info) != 0)
        return Failure(errno);
    if (auto refusal = RefusalFor(info))
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

}  // namespace tarnwick
