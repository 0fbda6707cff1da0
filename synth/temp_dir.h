#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "synth/iff_builder.h"

namespace tarnwick::fixtures {

// A fresh folder for one test, removed with everything in it afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    [[nodiscard]] const std::filesystem::path& Path() const { return path_; }
    // Writes the bytes to a file of that name in the folder; returns its path.
    std::string Write(const std::string& name, const Bytes& bytes) const;

private:
    std::filesystem::path path_;
};

}  // namespace tarnwick::fixtures
