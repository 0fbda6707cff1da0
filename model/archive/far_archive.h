#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/container/byte_string.h"
#include "model/container/file_reader.h"

namespace tarnwick {

// The two manifest layouts of version 1: a 32-bit name length (this game's
// archives) or a 16-bit one (its online successor's).
enum class FarLayout : std::uint8_t { Version1a, Version1b };

// One manifest entry. `name` is the stored bytes, unchanged: it may hold
// backslashes (folders inside the archive), "..", a drive letter or bytes that
// are not UTF-8; show it, never use it as a path as it is (SafeMemberPath
// makes a path of it).
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
// a damaged one with its reason, and `notes` say what else is wrong with the
// manifest (entries it counts but does not hold, members sharing bytes).
struct FarManifest {
    FarLayout layout = FarLayout::Version1a;
    std::vector<FarMember> members;
    std::vector<std::string> notes;
    std::string error;

    [[nodiscard]] bool ok() const { return error.empty(); }
};

// The archive's first bytes, which tell it from a chunk file.
inline constexpr std::string_view kFarMagic = "FAR!byAZ";
inline constexpr std::size_t kFarHeaderSize = 16;

// What the 16-byte header says: where the manifest starts, or why the file is
// declined (not an archive, a version this game does not read).
struct FarHeader {
    std::uint32_t version = 0;
    std::uint32_t manifestOffset = 0;
    std::string error;

    [[nodiscard]] bool ok() const { return error.empty(); }
};

[[nodiscard]] FarHeader ParseFarHeader(ByteSpan header);

// Reads the manifest: `manifest` holds the bytes from the header's manifest
// offset to the end of the archive, which is `archiveSize` bytes long.
[[nodiscard]] FarManifest ParseFarManifest(const FarHeader& header, ByteSpan manifest,
                                           std::uint64_t archiveSize);

// The same from an archive held whole in memory.
[[nodiscard]] FarManifest ParseFarManifest(ByteSpan archive);

// Reads the header and manifest of the archive at `path` without reading the
// member data: the header, then the bytes from the manifest offset to the end.
[[nodiscard]] FarManifest ReadFarManifest(const std::string& path);

// Reads one member's bytes with one positioned read of its range; a damaged
// member, or one the file no longer holds whole, gives its reason.
[[nodiscard]] FileReadResult ReadFarMember(const std::string& archivePath, const FarMember& member);

}  // namespace tarnwick
