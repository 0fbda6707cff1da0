#include <random>
#include <stdexcept>
#include <string>

#include "synth/temp_dir.h"

namespace tarnwick::fixtures {

// Windows has no mkdtemp: a random name, until one is free.
TempDir::TempDir()
{
    std::random_device device;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto candidate =
            std::filesystem::temp_directory_path() / ("tarnwick-test-" + std::to_string(device()));
        std::error_code error;
        if (std::filesystem::create_directory(candidate, error)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

}  // namespace tarnwick::fixtures
