// The file reader on Windows, through the system's text (A) functions: paths
// are bytes in the system's code page, as the file list hands them over.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <cerrno>
#include <new>
#include <system_error>

#include "model/container/file_reader.h"

namespace tarnwick {

namespace {

FileReadResult Failure(int error) { return {{}, std::generic_category().message(error)}; }

FileReadResult SystemFailure(DWORD error)
{
    return {{}, std::system_category().message(static_cast<int>(error))};
}

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle()
    {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    [[nodiscard]] HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

}  // namespace

FileReadResult ReadWholeFile(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return SystemFailure(GetLastError());
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return Failure(EISDIR);

    const FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE)
        return SystemFailure(GetLastError());
    // Devices and pipes have no end to read to.
    if (GetFileType(file.get()) != FILE_TYPE_DISK)
        return {{}, "Not a regular file"};
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size))
        return SystemFailure(GetLastError());
    if (static_cast<std::uint64_t>(size.QuadPart) > kLargestReadableFile)
        return Failure(EFBIG);

    FileReadResult result;
    try {
        result.bytes.resize(static_cast<std::size_t>(size.QuadPart));
    } catch (const std::bad_alloc&) {
        return Failure(ENOMEM);
    }
    std::size_t done = 0;
    while (done < result.bytes.size()) {
        DWORD got = 0;
        const auto want = static_cast<DWORD>(result.bytes.size() - done);
        if (!ReadFile(file.get(), result.bytes.data() + done, want, &got, nullptr))
            return SystemFailure(GetLastError());
        if (got == 0)
            break;  // the file shrank while it was read
        done += got;
    }
    result.bytes.resize(done);
    return result;
}

}  // namespace tarnwick
