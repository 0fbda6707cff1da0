#include "model/archive/far_archive.h"

#include <algorithm>
#include <utility>

#include "model/container/byte_reader.h"

namespace tarnwick {

namespace {

constexpr std::uint32_t kGameVersion = 1;
constexpr std::uint32_t kOnlineDatVersion = 3;
// An entry's fixed part: two sizes, the offset and the name length (4 or 2
// bytes); names take at least one byte more.
constexpr std::size_t kFixedEntry1a = 16;
constexpr std::size_t kFixedEntry1b = 14;

std::string Number(std::uint64_t value) { return std::to_string(value); }

struct Walk {
    std::vector<FarMember> members;
    std::vector<std::string> notes;
    bool clean = false;  // every counted entry read, and the manifest ends where the last one does
};

// Checks an entry's place in the archive: its damage, or empty.
std::string DamageOf(std::uint32_t size, std::uint32_t sizeAgain, std::uint32_t offset,
                     std::uint64_t archiveSize)
{
    if (size != sizeAgain)
        return "its two sizes differ (" + Number(size) + " and " + Number(sizeAgain) + ")";
    const std::uint64_t end = std::uint64_t{offset} + size;
    if (end > archiveSize)
        return "it lies past the end of the archive (bytes " + Number(offset) + " to " + Number(end) +
               " of " + Number(archiveSize) + ")";
    return {};
}

// Reads the entries after the count under one layout. Each entry's damage is
// its own; only a name length that cannot be right, or the manifest's end,
// stops the walk, since the next entry's start is then unknown.
Walk WalkEntries(ByteSpan entries, std::uint32_t count, FarLayout layout, std::uint64_t archiveSize)
{
    const std::size_t fixed = layout == FarLayout::Version1a ? kFixedEntry1a : kFixedEntry1b;
    Walk walk;
    // A count of four billion in a short manifest reserves what the manifest can hold.
    walk.members.reserve(std::min<std::size_t>(count, entries.size() / (fixed + 1)));
    ByteReader reader(entries);
    for (std::uint32_t index = 0; index < count; ++index) {
        const auto fixedPart = reader.Bytes(fixed);
        if (!fixedPart) {
            walk.notes.push_back("The manifest counts " + Number(count) + " members but holds " +
                                 Number(index));
            return walk;
        }
        ByteReader field(*fixedPart);
        const std::uint32_t size = *field.U32le();
        const std::uint32_t sizeAgain = *field.U32le();
        const std::uint32_t offset = *field.U32le();
        const std::uint32_t nameLength = layout == FarLayout::Version1a ? *field.U32le() : *field.U16le();
        FarMember member{{}, offset, size, DamageOf(size, sizeAgain, offset, archiveSize)};
        const auto name = reader.Bytes(nameLength);
        if (!name) {
            member.damage = "its name length (" + Number(nameLength) + ") runs past the end of the manifest";
            walk.members.push_back(std::move(member));
            const std::uint32_t lost = count - index - 1;
            if (lost > 0)
                walk.notes.push_back("Entry " + Number(index + 1) + "'s name length is wrong, so " +
                                     (lost == 1 ? "the entry" : "the " + Number(lost) + " entries") +
                                     " after it cannot be found");
            return walk;
        }
        member.name = BytesAsText(*name);
        walk.members.push_back(std::move(member));
    }
    walk.clean = reader.AtEnd();
    return walk;
}

// In 1a the high half of the first entry's u32 name length is zero; in 1b
// those two bytes are the start of its name.
FarLayout GuessLayout(ByteSpan entries)
{
    if (entries.size() >= kFixedEntry1a && entries[14] == 0 && entries[15] == 0)
        return FarLayout::Version1a;
    return entries.size() >= kFixedEntry1a ? FarLayout::Version1b : FarLayout::Version1a;
}

// Members sharing bytes are readable data, each of them; a note says so.
void NoteOverlaps(FarManifest& manifest)
{
    std::vector<std::pair<std::uint64_t, std::uint64_t>> ranges;  // [start, end) of usable, non-empty members
    for (const FarMember& member : manifest.members)
        if (member.usable() && member.size > 0)
            ranges.emplace_back(member.offset, member.offset + member.size);
    std::sort(ranges.begin(), ranges.end());
    std::size_t inside = 0;
    std::uint64_t reach = 0;  // the furthest end of the ranges before this one
    for (const auto& [start, end] : ranges) {
        inside += static_cast<std::size_t>(start < reach);
        reach = std::max(reach, end);
    }
    if (inside > 0)
        manifest.notes.push_back(Number(inside) + (inside == 1 ? " member starts" : " members start") +
                                 " inside another member's bytes");
}

}  // namespace

FarHeader ParseFarHeader(ByteSpan header)
{
    FarHeader result;
    if (header.empty()) {
        result.error = "Not a FAR archive: the file is empty";
        return result;
    }
    ByteReader reader(header);
    const auto magic = reader.Bytes(kFarMagic.size());
    if (!magic || BytesAsText(*magic) != kFarMagic) {
        result.error = "Not a FAR archive: the file does not begin with " + std::string(kFarMagic);
        return result;
    }
    const auto version = reader.U32le();
    const auto manifestOffset = reader.U32le();
    if (!version || !manifestOffset) {
        result.error = "Not a FAR archive: the file ends inside the 16-byte header";
        return result;
    }
    result.version = *version;
    result.manifestOffset = *manifestOffset;
    if (*version == kOnlineDatVersion)
        result.error = "An archive of The Sims Online (version 3), which this game does not use";
    else if (*version != kGameVersion)
        result.error = "An archive of an unknown version (" + Number(*version) + ")";
    return result;
}

FarManifest ParseFarManifest(const FarHeader& header, ByteSpan manifest, std::uint64_t archiveSize)
{
    FarManifest result;
    if (!header.ok()) {
        result.error = header.error;
        return result;
    }
    if (header.manifestOffset < kFarHeaderSize) {
        result.error = "The manifest offset (" + Number(header.manifestOffset) + ") lies inside the header";
        return result;
    }
    if (header.manifestOffset >= archiveSize) {
        result.error = "The manifest offset (" + Number(header.manifestOffset) +
                       ") lies past the end of the archive (" + Number(archiveSize) + " bytes)";
        return result;
    }
    ByteReader reader(manifest);
    const auto count = reader.U32le();
    if (!count) {
        result.error = "The manifest ends before its member count";
        return result;
    }
    const ByteSpan entries = reader.Rest();
    // Trust the first entry's guess only if the whole manifest reads under
    // it; when neither layout reads it whole, keep the one under which more
    // members can be opened, and this game's on a tie.
    const FarLayout guess = GuessLayout(entries);
    const FarLayout other = guess == FarLayout::Version1a ? FarLayout::Version1b : FarLayout::Version1a;
    Walk walk = WalkEntries(entries, *count, guess, archiveSize);
    result.layout = guess;
    if (!walk.clean) {
        Walk otherWalk = WalkEntries(entries, *count, other, archiveSize);
        const auto usable = [](const Walk& w) {
            return std::count_if(w.members.begin(), w.members.end(),
                                 [](const FarMember& m) { return m.usable(); });
        };
        const bool otherBetter = otherWalk.clean || usable(otherWalk) > usable(walk) ||
                                 (usable(otherWalk) == usable(walk) && other == FarLayout::Version1a);
        if (otherBetter) {
            walk = std::move(otherWalk);
            result.layout = other;
        }
    }
    result.members = std::move(walk.members);
    result.notes = std::move(walk.notes);
    NoteOverlaps(result);
    return result;
}

FarManifest ParseFarManifest(ByteSpan archive)
{
    const FarHeader header = ParseFarHeader(archive.first(std::min(archive.size(), kFarHeaderSize)));
    const ByteSpan manifest =
        header.manifestOffset < archive.size() ? archive.subspan(header.manifestOffset) : ByteSpan{};
    return ParseFarManifest(header, manifest, archive.size());
}

FarManifest ReadFarManifest(const std::string& path)
{
    FarManifest result;
    FileRangeResult start = ReadFileRange(path, 0, kFarHeaderSize);
    if (!start.ok()) {
        result.error = std::move(start.error);
        return result;
    }
    const FarHeader header = ParseFarHeader(start.bytes);
    if (!header.ok() || header.manifestOffset < kFarHeaderSize || header.manifestOffset >= start.fileSize)
        return ParseFarManifest(header, {}, start.fileSize);
    FileRangeResult manifest = ReadFileRange(path, header.manifestOffset, kLargestReadableFile);
    if (!manifest.ok()) {
        result.error = std::move(manifest.error);
        return result;
    }
    return ParseFarManifest(header, manifest.bytes, manifest.fileSize);
}

FileReadResult ReadFarMember(const std::string& archivePath, const FarMember& member)
{
    if (!member.usable())
        return {{}, member.damage};
    FileRangeResult range = ReadFileRange(archivePath, member.offset, member.size);
    if (!range.ok())
        return {{}, std::move(range.error)};
    if (range.bytes.size() != member.size)
        return {{}, "The archive ends before this member does"};
    return {std::move(range.bytes), {}};
}

}  // namespace tarnwick
