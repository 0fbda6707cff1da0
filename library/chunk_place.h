#pragma once

#include <cstdint>
#include <string>

namespace tarnwick::library {

// A chunk of another file that a link leads to: in a loose file, or in a
// member of an archive, by its type and ID (its number may have changed
// since the file was read).
struct ChunkPlace {
    std::string path;    // the loose file, or the archive that holds it (the system's bytes)
    std::string member;  // the member's stored name; empty for a loose file
    std::string type;
    std::uint16_t id = 0;

    friend bool operator==(const ChunkPlace&, const ChunkPlace&) = default;
};

}  // namespace tarnwick::library
