// The file reader on Windows, through the system's text (A) functions: paths
// are bytes in the system's code page, as the file list hands them over.
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <new>
#include <string>
#include <system_error>
#include <utility>

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

// Opens a file for reading, refusing folders before opening them and devices
// and pipes before reading a byte: the error, or empty.
std::string OpenForReading(const std::string& path, HANDLE& handle)
{
    handle = INVALID_HANDLE_VALUE;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return SystemFailure(GetLastError()).error;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return Failure(EISDIR).error;
    handle = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return SystemFailure(GetLastError()).error;
    // Devices and pipes have no end to read to.
    if (GetFileType(handle) != FILE_TYPE_DISK)
        return "Not a regular file";
    return {};
}

FileRangeResult RangeFailure(std::string error) { return {{}, 0, std::move(error)}; }

}  // namespace

FileRangeResult ReadFileRange(const std::string& path, std::uint64_t offset, std::uint64_t size)
{
    if (size > kLargestReadableFile)
        return RangeFailure(Failure(EFBIG).error);
    HANDLE handle = INVALID_HANDLE_VALUE;
    std::string refusal = OpenForReading(path, handle);
    const FileHandle file(handle);
    if (!refusal.empty())
        return RangeFailure(std::move(refusal));
    LARGE_INTEGER fileSize{};
    if (!GetFileSizeEx(file.get(), &fileSize))
        return RangeFailure(SystemFailure(GetLastError()).error);

    FileRangeResult result;
    result.fileSize = static_cast<std::uint64_t>(fileSize.QuadPart);
    if (offset >= result.fileSize)
        return result;
    // Only what the file holds is allocated, however large the range asked.
    const std::uint64_t available = std::min(size, result.fileSize - offset);
    try {
        result.bytes.resize(static_cast<std::size_t>(available));
    } catch (const std::bad_alloc&) {
        return RangeFailure(Failure(ENOMEM).error);
    }
    std::size_t done = 0;
    while (done < result.bytes.size()) {
        // The position travels with each read, so the handle's own is not used.
        const std::uint64_t at = offset + done;
        OVERLAPPED position{};
        position.Offset = static_cast<DWORD>(at);
        position.OffsetHigh = static_cast<DWORD>(at >> 32);
        DWORD got = 0;
        const auto want = static_cast<DWORD>(result.bytes.size() - done);
        if (!ReadFile(file.get(), result.bytes.data() + done, want, &got, &position)) {
            const DWORD error = GetLastError();
            if (error == ERROR_HANDLE_EOF)
                break;
            return RangeFailure(SystemFailure(error).error);
        }
        if (got == 0)
            break;  // the file shrank since it was opened
        done += got;
    }
    result.bytes.resize(done);
    return result;
}

FileReadResult ReadWholeFile(const std::string& path)
{
    HANDLE handle = INVALID_HANDLE_VALUE;
    std::string refusal = OpenForReading(path, handle);
    const FileHandle file(handle);
    if (!refusal.empty())
        return {{}, std::move(refusal)};
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
