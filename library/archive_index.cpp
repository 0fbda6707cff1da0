#include "library/archive_index.h"

#include "library/file_index.h"
#include "model/archive/far_archive.h"

namespace tarnwick::library {

std::vector<FileRecord> IndexArchive(const ListedFile& archive)
{
    std::vector<FileRecord> records(1);
    FileRecord& whole = records.front();
    whole.path = archive.path;
    whole.size = archive.size;
    whole.modified = archive.modified;
    const FarManifest manifest = ReadFarManifest(archive.path);
    if (!manifest.ok()) {
        whole.damage.push_back("archive: " + manifest.error);
        return records;
    }
    std::size_t indexed = 0;
    for (const FarMember& member : manifest.members) {
        if (!IsChunkFileName(member.name))
            continue;
        FileRecord record;
        if (!member.usable()) {
            record.damage.push_back("archive member: " + member.damage);
        } else if (FileReadResult read = ReadFarMember(archive.path, member); !read.ok()) {
            record.damage.push_back("unreadable: " + read.error);
        } else {
            record = IndexChunkBytes(ByteString(std::move(read.bytes)));
        }
        record.path = archive.path;
        record.member = member.name;
        record.size = member.size;
        record.modified = archive.modified;
        records.push_back(std::move(record));
        ++indexed;
    }
    records.front().notes.push_back("an archive of " + std::to_string(manifest.members.size()) +
                                    " members, " + std::to_string(indexed) + " of them chunk files");
    return records;
}

}  // namespace tarnwick::library
