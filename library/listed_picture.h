#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/archive/far_archive.h"
#include "model/container/open_file.h"
#include "model/decoders/draw_group_composite.h"

namespace tarnwick::library {

// Reads the pictures of the library's objects: each from its file as it is
// now, a loose one or a member of an archive, read through the archive member
// loader. One reader on one thread; the last file and archive manifest read
// are kept, as neighbouring rows often share them.
class ListedPictureReader {
public:
    // The object's picture as the catalogue shows it, or nothing when the
    // file cannot be read or the object draws nothing. `member` empty: a loose
    // file; `chunk` and `objdId` as the object's record holds them.
    [[nodiscard]] std::optional<Composite> Read(const std::string& path, const std::string& member,
                                                std::uint32_t chunk, std::uint16_t objdId);

    // Forgets the files kept, so that the next read sees them as they are now.
    void Forget();

private:
    bool Load(const std::string& path, const std::string& member);

    std::string loadedPath_;
    std::string loadedMember_;
    bool loaded_ = false;
    OpenFile file_;
    std::string manifestPath_;
    FarManifest manifest_;
};

}  // namespace tarnwick::library
