// Any bytes as a FAR archive: the header and manifest read, each member's
// range taken from the bytes, and the members' names made into paths as an
// extraction would. Nothing to assert but no crash, hang, leak or sanitizer
// report, and that every usable member lies inside the input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "model/archive/far_archive.h"
#include "model/archive/member_path.h"

using namespace tarnwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ByteSpan archive(data, size);
    const FarManifest manifest = ParseFarManifest(archive);
    std::size_t total = 0;
    for (const FarMember& member : manifest.members) {
        if (!member.usable())
            continue;
        if (member.offset + member.size > size)
            std::abort();  // a usable member must lie inside the archive
        if (member.size > 0)
            total += data[member.offset] + data[member.offset + member.size - 1];
    }
    for (const MemberPath& path : PlanMemberPaths(manifest.members))
        total += path.path.size() + path.reason.size();
    return total == SIZE_MAX ? 1 : 0;
}
