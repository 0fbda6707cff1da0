#include <system_error>

#include "system/native_folder.h"

namespace tarnwick {

std::optional<std::filesystem::path> NativeFolder(std::string_view windowsPath)
{
    // The registry's text is in the system's code page, as the file system's
    // narrow names are.
    const std::filesystem::path folder(windowsPath);
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        return std::nullopt;
    return folder;
}

}  // namespace tarnwick
