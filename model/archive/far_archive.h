#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/container/file_reader.h"

namespace tarnwick {

// The two manifest layouts of version 1: a 32-bit name length (this game's
// archives) or a 16-bit one (its online successor's).
enum class FarLayout : std::uint8_t { Version1a, Version1b };

// One manifest entry. `name` is the stored bytes, unchanged: it may hold
// backslashes (folders inside the archive), "..", a drive letter or bytes that
// are not UTF-8; show it, never use it as a path as it is.
struct FarMember {
    std::string name;
    std::uint64_t offset = 0;  // from the start of the archive
    std::uint32_t size = 0;
    std::string damage;  // why this member cannot be opened; empty when it can

    [[nodiscard]] bool usable() const { return damage.empty(); }
};

// What an archive's header and manifest say. When `error` is set the archive
// as a whole was declined (not an archive, another game's version, a manifest
// outside the file) and `members` is empty; otherwise each member is listed,
// a damaged one with its reason.
struct FarManifest {
    FarLayout layout = FarLayout::Version1a;
    std::vector<FarMember> members;
    std::string error;

    [[nodiscard]] bool ok() const { return error.empty(); }
};

// The archive's first bytes, which tell it from a chunk file.
inline constexpr std::string_view kFarMagic = "FAR!byAZ";
inline constexpr std::size_t kFarHeaderSize = 16;

// Reads an archive's header and manifest from `archiveBytes`, which need only
// hold the header and the manifest at their places (the member data may be
// absent); `archiveSize` is the size of the whole file.
[[nodiscard]] FarManifest ParseFarManifest(std::string_view archiveBytes, std::uint64_t archiveSize);

// Reads the header and manifest of the archive at `path` without reading the
// member data.
[[nodiscard]] FarManifest ReadFarManifest(const std::string& path);

// Reads one member's bytes with one positioned read of its range.
[[nodiscard]] FileReadResult ReadFarMember(const std::string& archivePath, const FarMember& member);

}  // namespace tarnwick
