#include "model/archive/archive_tree.h"

#include "model/archive/member_path.h"

#include <unordered_set>

namespace tarnwick {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// One form of a name's byte for comparing names as the game's system does.
char Folded(char c, bool anyCase)
{
    if (c == '/')
        return '\\';
    return anyCase && c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The parts of a member's name as folders and a file, or nothing when the name
// is no plain relative path.
std::optional<std::vector<std::string_view>> PlainParts(std::string_view name)
{
    std::vector<std::string_view> parts;
    std::size_t begin = 0;
    for (std::size_t i = 0; i <= name.size(); ++i) {
        if (i < name.size() && !IsSeparator(name[i]))
            continue;
        const std::string_view part = name.substr(begin, i - begin);
        if (part.empty() || part == "." || part == ".." || part.find(':') != std::string_view::npos)
            return std::nullopt;
        parts.push_back(part);
        begin = i + 1;
    }
    return parts;
}

std::string WholeName(std::string_view name)
{
    if (name.empty())
        return "(no name)";
    std::string shown(name);
    for (char& c : shown)
        if (c == '/')
            c = '\\';
    return shown;
}

}  // namespace

ArchiveTree::ArchiveTree(const std::vector<FarMember>& members)
{
    struct Placed {
        std::string folder;
        std::string name;
    };
    std::vector<Placed> files;
    files.reserve(members.size());
    places_.reserve(members.size());
    std::unordered_map<std::string, std::unordered_set<std::string>> taken;
    folders_[""];
    // Folders first, so that a file meeting a folder's name is the one renamed.
    for (const FarMember& member : members) {
        const auto parts = PlainParts(member.name);
        if (!parts) {
            files.push_back({"", WholeName(member.name)});
            continue;
        }
        std::string folder;
        for (std::size_t i = 0; i + 1 < parts->size(); ++i) {
            std::string inner =
                folder.empty() ? std::string((*parts)[i]) : folder + '/' + std::string((*parts)[i]);
            if (folders_.try_emplace(inner).second) {
                folders_[folder].push_back({std::string((*parts)[i]), true, 0});
                taken[folder].insert(std::string((*parts)[i]));
            }
            folder = std::move(inner);
        }
        files.push_back({std::move(folder), std::string(parts->back())});
    }
    for (std::uint32_t index = 0; index < files.size(); ++index) {
        Placed& file = files[index];
        std::unordered_set<std::string>& names = taken[file.folder];
        std::string name = file.name;
        for (int n = 2; !names.insert(name).second; ++n)
            name = NumberedName(file.name, n);
        places_.push_back(file.folder.empty() ? name : file.folder + '/' + name);
        folders_[file.folder].push_back({std::move(name), false, index});
    }
}

const std::vector<ArchiveTree::Entry>* ArchiveTree::Folder(std::string_view folder) const
{
    const auto found = folders_.find(std::string(folder));
    return found == folders_.end() ? nullptr : &found->second;
}

std::optional<std::uint32_t> ArchiveTree::MemberAt(std::string_view place) const
{
    const std::size_t slash = place.rfind('/');
    const std::string_view folder =
        slash == std::string_view::npos ? std::string_view() : place.substr(0, slash);
    const std::string_view name = slash == std::string_view::npos ? place : place.substr(slash + 1);
    if (const auto* entries = Folder(folder))
        for (const Entry& entry : *entries)
            if (!entry.IsFolder && entry.Name == name)
                return entry.Member;
    return std::nullopt;
}

std::optional<std::uint32_t> FindMemberNamed(const std::vector<FarMember>& members, std::string_view name)
{
    const auto sameSeparators = [](std::string_view a, std::string_view b, bool anyCase) {
        if (a.size() != b.size())
            return false;
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (Folded(a[i], anyCase) != Folded(b[i], anyCase))
                return false;
        }
        return true;
    };
    for (int pass = 0; pass < 3; ++pass)
        for (std::uint32_t i = 0; i < members.size(); ++i)
            if (pass == 0 ? members[i].name == name : sameSeparators(members[i].name, name, pass == 2))
                return i;
    return std::nullopt;
}

}  // namespace tarnwick
