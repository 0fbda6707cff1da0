#include "ui/main/file_stamp.h"

#include <filesystem>
#include <system_error>

namespace tarnwick {

std::optional<FileStamp> FileStamp::Of(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path file(path);
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error)
        return std::nullopt;
    const auto changed = std::filesystem::last_write_time(file, error);
    if (error)
        return std::nullopt;
    return FileStamp{path, size, changed};
}

}  // namespace tarnwick
