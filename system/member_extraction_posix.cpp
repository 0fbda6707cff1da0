// Writing members on POSIX systems: every folder on the way is opened with
// O_NOFOLLOW relative to the one before it, so a link planted in the chosen
// folder (or swapped in while the run goes on) cannot lead a write outside.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <system_error>
#include <utility>

#include "system/member_extraction.h"

namespace tarnwick {

namespace {

std::string Reason(int error) { return std::generic_category().message(error); }

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor& operator=(Descriptor&& other) noexcept
    {
        std::swap(fd_, other.fd_);
        return *this;
    }
    [[nodiscard]] int get() const { return fd_; }
    // Closes now: 0, or the error a late write reports.
    int Close()
    {
        const int result = ::close(std::exchange(fd_, -1));
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

std::vector<std::string> Parts(const std::string& relativePath)
{
    std::vector<std::string> parts(1);
    for (const char c : relativePath) {
        if (c == '/')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

bool IsPlainPart(const std::string& part) { return !part.empty() && part != "." && part != ".."; }

// Writes all bytes, or returns the error.
int WriteAll(int fd, const std::vector<std::uint8_t>& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote < 0)
            return errno;
        done += static_cast<std::size_t>(wrote);
    }
    return 0;
}

// Moves the finished temporary file to its name, over a file there only when
// asked: without replacing, a hard link makes the name or fails when it is
// taken, whoever took it since the plan was made.
int PutInPlace(int folder, const std::string& temporary, const std::string& name, bool replaceExisting)
{
    if (replaceExisting)
        return ::renameat(folder, temporary.c_str(), folder, name.c_str()) == 0 ? 0 : errno;
    if (::linkat(folder, temporary.c_str(), folder, name.c_str(), 0) == 0) {
        ::unlinkat(folder, temporary.c_str(), 0);
        return 0;
    }
    if (errno == EEXIST)
        return EEXIST;
    // File systems without hard links (FAT, some network ones): look, then rename.
    struct stat there {};
    if (::fstatat(folder, name.c_str(), &there, AT_SYMLINK_NOFOLLOW) == 0)
        return EEXIST;
    return ::renameat(folder, temporary.c_str(), folder, name.c_str()) == 0 ? 0 : errno;
}

}  // namespace

std::string WriteInsideFolder(const std::string& folder, const std::string& relativePath,
                              const std::vector<std::uint8_t>& bytes, bool replaceExisting)
{
    std::vector<std::string> parts = Parts(relativePath);
    for (const std::string& part : parts)
        if (!IsPlainPart(part))
            return "its path has an empty, \".\" or \"..\" part";
    // The chosen folder itself is the user's choice, link or not.
    Descriptor at(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (at.get() < 0)
        return "the folder cannot be opened: " + Reason(errno);
    const std::string name = parts.back();
    parts.pop_back();
    for (const std::string& part : parts) {
        if (::mkdirat(at.get(), part.c_str(), 0777) != 0 && errno != EEXIST)
            return "its folder " + part + " cannot be made: " + Reason(errno);
        Descriptor next(::openat(at.get(), part.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (next.get() < 0)
            return errno == ELOOP || errno == ENOTDIR
                       ? "its folder " + part + " is a link or a file, not followed"
                       : "its folder " + part + " cannot be opened: " + Reason(errno);
        at = std::move(next);
    }
    struct stat there {};
    const bool exists = ::fstatat(at.get(), name.c_str(), &there, AT_SYMLINK_NOFOLLOW) == 0;
    if (exists && S_ISDIR(there.st_mode))
        return "a folder of that name is already there";
    if (exists && !replaceExisting)
        return kAlreadyThere;

    std::random_device random;
    std::string temporary;
    Descriptor file;
    for (int attempt = 0; attempt < 100 && file.get() < 0; ++attempt) {
        temporary = ".tarnwick-" + std::to_string(random()) + ".part";
        file = Descriptor(::openat(at.get(), temporary.c_str(),
                                   O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (file.get() < 0 && errno != EEXIST)
            return "it cannot be written: " + Reason(errno);
    }
    if (file.get() < 0)
        return "it cannot be written: no free temporary name";
    int error = WriteAll(file.get(), bytes);
    const int closeError = file.Close();
    if (error == 0)
        error = closeError;
    if (error == 0)
        error = PutInPlace(at.get(), temporary, name, replaceExisting);
    if (error != 0) {
        ::unlinkat(at.get(), temporary.c_str(), 0);
        return error == EEXIST ? kAlreadyThere : "it cannot be written: " + Reason(error);
    }
    return {};
}

bool ExistsInsideFolder(const std::string& folder, const std::string& relativePath)
{
    struct stat there {};
    return ::fstatat(AT_FDCWD, (folder + "/" + relativePath).c_str(), &there, AT_SYMLINK_NOFOLLOW) == 0;
}

void SplitChosenPath(const std::string& path, std::string& folder, std::string& name)
{
    const std::size_t slash = path.rfind('/');
    folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    name = slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace tarnwick
