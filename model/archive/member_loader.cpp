#include "model/archive/member_loader.h"

namespace tarnwick {

std::string MemberDetailsCaption(std::string_view memberName, std::string_view archiveName)
{
    return "File Details for " + std::string(memberName) + " in " + std::string(archiveName);
}

void LoadArchiveMember(OpenFile& openFile, const std::string& archivePath, std::string_view archiveName,
                       const FarMember& member, LoadOutput& output)
{
    openFile.FilePath = archivePath;
    openFile.MemberName = member.name;
    output.ClearChunkList();
    output.SetDetailsCaption(MemberDetailsCaption(member.name, archiveName));

    openFile.Chunks.Clear();
    openFile.FileData = ByteString();
    FileReadResult read;
    if (member.usable())
        read = ReadFarMember(archivePath, member);
    else
        read.error = member.damage;
    if (!read.ok()) {
        output.SetHeaderTexts({});
        output.AddChunkLine(std::string(kReadErrorPrefix) + read.error);
        return;
    }
    LoadChunkBytes(openFile, ByteString(std::move(read.bytes)), output);
}

}  // namespace tarnwick
