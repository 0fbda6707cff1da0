#include "library/listed_picture.h"

#include <algorithm>

#include "model/archive/member_loader.h"
#include "model/container/chunk_loader.h"
#include "model/decoders/object_picture.h"

namespace tarnwick::library {

void ListedPictureReader::Forget()
{
    loaded_ = false;
    loadedPath_.clear();
    loadedMember_.clear();
    file_ = OpenFile();
    manifestPath_.clear();
    manifest_ = FarManifest();
}

bool ListedPictureReader::Load(const std::string& path, const std::string& member)
{
    if (loaded_ && path == loadedPath_ && member == loadedMember_)
        return true;
    loaded_ = false;
    SilentLoadOutput quiet;
    if (member.empty()) {
        LoadChunkFile(file_, path, path, quiet);
    } else {
        if (path != manifestPath_) {
            manifest_ = ReadFarManifest(path);
            manifestPath_ = path;
        }
        const auto found = std::find_if(manifest_.members.begin(), manifest_.members.end(),
                                        [&](const FarMember& entry) { return entry.name == member; });
        if (found == manifest_.members.end())
            return false;
        LoadArchiveMember(file_, path, path, *found, quiet);
    }
    loadedPath_ = path;
    loadedMember_ = member;
    loaded_ = true;
    return true;
}

std::optional<Composite> ListedPictureReader::Read(const std::string& path, const std::string& member,
                                                   std::uint32_t chunk, std::uint16_t objdId)
{
    if (!Load(path, member))
        return std::nullopt;
    CataloguePicture picture = ComposeListedObjectPicture(file_.Chunks, chunk, objdId);
    return std::move(picture.picture);
}

}  // namespace tarnwick::library
