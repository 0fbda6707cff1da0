#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/text/languages.h"

namespace tarnwick::library {

// An object's catalogue name in one language, as stored, with the code page
// its bytes are in.
struct CatalogueName {
    int language = 1;
    std::string text{};
    CodePage codePage = CodePage::Windows1252;

    bool operator==(const CatalogueName&) const = default;
};

// One object definition (OBJD) of an indexed file.
struct ObjectRecord {
    std::uint32_t guid = 0;
    std::uint32_t originalGuid = 0;
    std::uint16_t objdId = 0;
    std::string label{};                 // the OBJD chunk's label, as stored
    std::uint32_t chunkNumber = 0;       // 1-based, in the file's whole chunk table
    std::vector<CatalogueName> names{};  // entry 0 of the linked CTSS, one per language present
    std::uint16_t price = 0;
    std::uint16_t masterId = 0;  // 0: a single-tile object
    std::int16_t subIndex = 0;   // -1: the lead of a multi-tile group

    bool operator==(const ObjectRecord&) const = default;
};

// One indexed chunk file: loose, or a member of an archive.
struct FileRecord {
    std::string path{};    // the file's path in the system's bytes; for a member, the archive's
    std::string member{};  // the member's name inside the archive as stored; empty for a loose file
    std::uint64_t size = 0;
    std::int64_t modified = 0;      // the file's modification time, nanoseconds since the epoch
    std::uint64_t contentHash = 0;  // of every byte: equal hashes mean identical copies
    std::uint32_t chunkCount = 0;
    std::vector<std::string> damage{};        // one line per fault found; empty when sound
    std::vector<std::string> notes{};         // what the index could not look into, which is no damage
    std::vector<std::string> unknownTypes{};  // chunk types nothing reads, each once, in file order
    std::string texts{};  // the string tables' Western texts as UTF-8, one per line, for search
    std::vector<ObjectRecord> objects{};

    [[nodiscard]] bool damaged() const { return !damage.empty(); }
    bool operator==(const FileRecord&) const = default;
};

// The object's catalogue name in `language`, else in English (US), else in
// the first language it has; nullptr when it has none.
[[nodiscard]] const CatalogueName* NameIn(const ObjectRecord& object, int language = 1);

}  // namespace tarnwick::library
