#pragma once

#include <string>
#include <string_view>

#include "model/archive/far_archive.h"
#include "model/container/chunk_loader.h"

namespace tarnwick {

// The details frame's caption for a member: "File Details for People\maid.iff
// in Objects.far", the member's stored name and the archive's file name.
[[nodiscard]] std::string MemberDetailsCaption(std::string_view memberName, std::string_view archiveName);

// Makes a member of the archive at `archivePath` the open file, as
// LoadChunkFile does for a loose file: the file before is dropped, the member's
// bytes are read with one read of its range and shown as LoadChunkBytes shows a
// file. A damaged member, or one that cannot be read, leaves no data and lists
// one line with its reason.
void LoadArchiveMember(OpenFile& openFile, const std::string& archivePath, std::string_view archiveName,
                       const FarMember& member, LoadOutput& output);

}  // namespace tarnwick
