#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "synth/iff_builder.h"

namespace tarnwick::fixtures {

// An object file as a download holds one: a definition, its catalogue texts
// and, to reach a real file's size, a thumbnail of filler bytes.
struct ObjectFile {
    std::uint32_t guid = 0;
    std::uint32_t originalGuid = 0;
    std::string label{};        // the definition's chunk label
    std::string englishName{};  // entry 0 of the catalogue table in English; a French one follows
    std::uint16_t price = 0;
    std::uint16_t objdId = 128;
    std::uint16_t masterId = 0;
    std::int16_t subIndex = 0;
    std::size_t fillerBytes = 0;  // of the thumbnail chunk; none when 0
};

[[nodiscard]] Bytes ObjectFileBytes(const ObjectFile& object);

// Writes the bytes to `path`, making its folders.
void WriteFile(const std::filesystem::path& path, const Bytes& bytes);

// A game folder and its Downloads with one case of every kind of GUID
// conflict and a damaged file, under `root`:
//   Downloads/Chair.iff and Downloads/Lamp.iff       different objects, GUID 0x4C4D0001
//   Downloads/Sofa.iff and Downloads/Old/Sofa.iff    versions of one object, GUID 0x4C4D0002
//   Downloads/Rug.iff and Downloads/Copies/Rug.iff   identical copies, GUID 0x4C4D0003
//   GameData/Objects/Table.iff and Downloads/Table recolour.iff   an override, GUID 0x4C4D0004
//   Downloads/Vase.iff                               alone, GUID 0x4C4D0005
//   Downloads/Broken.iff                             a bust cut short in its last chunk, GUID 0x4C4D0006
// Returns the paths written, in that order.
std::vector<std::filesystem::path> WriteConflictTree(const std::filesystem::path& root);

// The GUIDs of the tree's conflicts, by class.
inline constexpr std::uint32_t kDifferentObjectsGuid = 0x4C4D0001;
inline constexpr std::uint32_t kVersionsGuid = 0x4C4D0002;
inline constexpr std::uint32_t kIdenticalCopiesGuid = 0x4C4D0003;
inline constexpr std::uint32_t kOverrideGuid = 0x4C4D0004;

}  // namespace tarnwick::fixtures
