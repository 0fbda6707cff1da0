#include "library/archive_index.h"

namespace tarnwick::library {

std::vector<FileRecord> IndexArchive(const ListedFile& archive)
{
    FileRecord record;
    record.path = archive.path;
    record.size = archive.size;
    record.modified = archive.modified;
    record.notes.push_back("an archive: its members are not indexed yet");
    return {std::move(record)};
}

}  // namespace tarnwick::library
