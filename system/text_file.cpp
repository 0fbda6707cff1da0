#include "system/text_file.h"

#include <fstream>
#include <system_error>

namespace tarnwick {

namespace {

std::string TooLarge(std::size_t largest)
{
    return largest >= (1u << 20) ? "larger than " + std::to_string(largest >> 20) + " MiB"
                                 : "larger than " + std::to_string(largest) + " bytes";
}

}  // namespace

TextFileRead ReadTextFile(const std::filesystem::path& path, std::size_t largest)
{
    TextFileRead read;
    std::error_code error;
    // Only a plain file is opened: a pipe or a device would never end.
    const auto status = std::filesystem::status(path, error);
    if (error || !std::filesystem::is_regular_file(status)) {
        read.Error = error ? error.message() : "not a file";
        return read;
    }
    const auto size = std::filesystem::file_size(path, error);
    if (error) {
        read.Error = error.message();
        return read;
    }
    if (size > largest) {
        read.Error = TooLarge(largest);
        return read;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        read.Error = "cannot be opened";
        return read;
    }
    // One byte beyond the size tells a file that grew since its size was taken.
    read.Text.resize(static_cast<std::size_t>(size) + 1);
    file.read(read.Text.data(), static_cast<std::streamsize>(read.Text.size()));
    read.Text.resize(static_cast<std::size_t>(file.gcount()));
    if (file.bad()) {
        read = {{}, "cannot be read"};
    } else if (read.Text.size() > size) {
        read = {{}, "changed while it was read"};
    }
    return read;
}

}  // namespace tarnwick
