#include "model/file_reader.h"

#include <cerrno>
#include <fcntl.h>
#include <new>
#include <optional>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace tarnwick {

namespace {

FileReadResult Failure(int error)
{
    return {{}, std::generic_category().message(error)};
}

FileReadResult Failure(const char* reason)
{
    return {{}, reason};
}

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

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() { if (fd_ >= 0) ::close(fd_); }
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
    } catch (const std::bad_alloc&) {
        return Failure(ENOMEM);
    }
    std::size_t done = 0;
    while (done < result.bytes.size()) {
        const ssize_t got = ::read(file.get(), result.bytes.data() + done, result.bytes.size() - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return Failure(errno);
        if (got == 0)
            break;  // the file shrank while it was read
        done += static_cast<std::size_t>(got);
    }
    result.bytes.resize(done);
    return result;
}

}  // namespace tarnwick
