#include "library/conflicts.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "system/ascii_case.h"

namespace tarnwick::library {

namespace {

const ObjectRecord& ObjectAt(const std::vector<FileRecord>& files, ObjectPlace place)
{
    return files[place.file].objects[place.object];
}

std::size_t DistinctFiles(const std::vector<FileRecord>& files, const std::vector<ObjectPlace>& places)
{
    std::set<std::pair<std::string_view, std::string_view>> seen;
    for (const ObjectPlace place : places)
        seen.emplace(files[place.file].path, files[place.file].member);
    return seen.size();
}

// Copies, versions or different objects, by bytes and then by label.
ConflictClass Compare(const std::vector<FileRecord>& files, const std::vector<ObjectPlace>& places)
{
    const FileRecord& first = files[places.front().file];
    const bool sameBytes = std::all_of(places.begin(), places.end(), [&](ObjectPlace place) {
        return files[place.file].contentHash == first.contentHash && files[place.file].size == first.size;
    });
    if (sameBytes)
        return ConflictClass::IdenticalCopies;
    const std::string& label = ObjectAt(files, places.front()).label;
    const bool sameLabel = std::all_of(places.begin(), places.end(), [&](ObjectPlace place) {
        return ObjectAt(files, place).label == label;
    });
    return sameLabel ? ConflictClass::Versions : ConflictClass::DifferentObjects;
}

ConflictClass Classify(const std::vector<FileRecord>& files, const std::vector<ObjectPlace>& places)
{
    std::vector<ObjectPlace> loose;
    std::copy_if(places.begin(), places.end(), std::back_inserter(loose),
                 [&](ObjectPlace place) { return !IsGameFile(files[place.file]); });
    // Loose files among themselves decide; one loose file over the game's is the expected override.
    if (loose.empty())
        return Compare(files, places);
    if (DistinctFiles(files, loose) > 1)
        return Compare(files, loose);
    return ConflictClass::Override;
}

}  // namespace

std::string_view ConflictClassName(ConflictClass kind)
{
    switch (kind) {
    case ConflictClass::DifferentObjects:
        return "Different objects";
    case ConflictClass::Versions:
        return "Versions of one object";
    case ConflictClass::IdenticalCopies:
        return "Identical copies";
    case ConflictClass::Override:
        return "Overrides";
    }
    return "Different objects";
}

bool IsGameFile(const FileRecord& file)
{
    if (!file.member.empty())
        return true;
    std::size_t begin = 0;
    const std::string_view path = file.path;
    while (begin <= path.size()) {
        const std::size_t end = std::min(path.find_first_of("/\\", begin), path.size());
        if (EqualIgnoringCase(path.substr(begin, end - begin), "GameData"))
            return true;
        begin = end + 1;
    }
    return false;
}

std::vector<ConflictGroup> FindConflicts(const std::vector<FileRecord>& files)
{
    std::map<std::uint32_t, std::vector<ObjectPlace>> byGuid;
    for (std::size_t file = 0; file < files.size(); ++file)
        for (std::size_t object = 0; object < files[file].objects.size(); ++object)
            byGuid[files[file].objects[object].guid].push_back({file, object});

    std::vector<ConflictGroup> groups;
    for (auto& [guid, places] : byGuid) {
        if (DistinctFiles(files, places) < 2)
            continue;
        const ConflictClass kind = Classify(files, places);
        groups.push_back({guid, kind, std::move(places)});
    }
    std::stable_sort(groups.begin(), groups.end(),
                     [](const ConflictGroup& a, const ConflictGroup& b) { return a.kind < b.kind; });
    return groups;
}

std::array<std::size_t, kConflictClasses> CountConflicts(const std::vector<ConflictGroup>& groups)
{
    std::array<std::size_t, kConflictClasses> counts{};
    for (const ConflictGroup& group : groups)
        ++counts[static_cast<std::size_t>(group.kind)];
    return counts;
}

}  // namespace tarnwick::library
