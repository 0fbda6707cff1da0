#include "synth/temp_dir.h"

#include <fstream>

namespace tarnwick::fixtures {

// The constructor, which makes the folder, is in temp_dir_posix.cpp or temp_dir_windows.cpp.

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::Write(const std::string& name, const Bytes& bytes) const
{
    const auto file = path_ / name;
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return file.string();
}

}  // namespace tarnwick::fixtures
