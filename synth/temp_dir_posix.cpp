#include <cstdlib>
#include <stdexcept>

#include "synth/temp_dir.h"

namespace tarnwick::fixtures {

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tarnwick-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
}

}  // namespace tarnwick::fixtures
