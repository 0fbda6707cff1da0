#include "model/archive/member_path.h"

#include <array>
#include <cstdint>
#include <unordered_set>

namespace tarnwick {

namespace {

// The length of the valid UTF-8 sequence at `at`, or 0 when it is not one
// (overlong forms, surrogates and values past U+10FFFF included).
std::size_t Utf8Length(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(at);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    std::uint32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07u;
    } else {
        return 0;
    }
    if (text.size() - at < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0u) != 0x80u)
            return 0;
        value = (value << 6) | (byte(at + i) & 0x3Fu);
    }
    const bool overlong = (length == 3 && value < 0x800) || (length == 4 && value < 0x10000);
    const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    return overlong || surrogate || value > 0x10FFFF ? 0 : length;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string AsciiLower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        c = AsciiLower(c);
    return lower;
}

// CON, PRN, AUX, NUL, COM1-9, LPT1-9 before the first dot and any spaces
// before it, in any case.
bool IsReservedOnWindows(std::string_view part)
{
    std::string base = AsciiLower(part.substr(0, part.find('.')));
    while (!base.empty() && base.back() == ' ')
        base.pop_back();
    static constexpr std::array<std::string_view, 4> kDevices = {"con", "prn", "aux", "nul"};
    for (std::string_view device : kDevices)
        if (base == device)
            return true;
    return base.size() == 4 && (base.starts_with("com") || base.starts_with("lpt")) && base[3] >= '1' &&
           base[3] <= '9';
}

bool IsDriveLetter(std::string_view part)
{
    return part.size() >= 2 && part[1] == ':' && AsciiLower(part[0]) >= 'a' && AsciiLower(part[0]) <= 'z';
}

// The changes made to a name, each said once.
struct Changes {
    bool leadingSeparator = false, driveLetter = false, emptyParts = false, invalidCharacters = false,
         notUtf8 = false, trailingDotsOrSpaces = false, reserved = false;

    [[nodiscard]] std::string Reason() const
    {
        std::string reason;
        const auto add = [&](bool made, const char* text) {
            if (made)
                reason += (reason.empty() ? "" : "; ") + std::string(text);
        };
        add(leadingSeparator, "a leading separator was dropped");
        add(driveLetter, "a drive letter was dropped");
        add(emptyParts, "empty and \".\" parts were dropped");
        add(invalidCharacters, "characters Windows does not allow became _");
        add(notUtf8, "bytes that are not UTF-8 became _");
        add(trailingDotsOrSpaces, "trailing dots or spaces became _");
        add(reserved, "a name Windows reserves gained a leading _");
        return reason;
    }
};

// One part made safe in place, its changes noted.
void CleanPart(std::string& part, Changes& changes)
{
    static constexpr std::string_view kInvalid = "<>:\"|?*";
    std::string clean;
    for (std::size_t at = 0; at < part.size();) {
        const auto c = static_cast<unsigned char>(part[at]);
        if (c < 0x20 || c == 0x7F || kInvalid.find(part[at]) != std::string_view::npos) {
            clean += '_';
            changes.invalidCharacters = true;
            ++at;
            continue;
        }
        const std::size_t length = Utf8Length(part, at);
        if (length == 0) {
            clean += '_';
            changes.notUtf8 = true;
            ++at;
            continue;
        }
        clean.append(part, at, length);
        at += length;
    }
    for (std::size_t i = clean.size(); i > 0 && (clean[i - 1] == '.' || clean[i - 1] == ' '); --i) {
        clean[i - 1] = '_';
        changes.trailingDotsOrSpaces = true;
    }
    if (IsReservedOnWindows(clean)) {
        clean.insert(0, 1, '_');
        changes.reserved = true;
    }
    part = std::move(clean);
}

MemberPath Refused(std::string reason) { return {{}, false, std::move(reason)}; }

}  // namespace

std::string NumberedName(std::string_view path, int number)
{
    const std::size_t slash = path.rfind('/');
    const std::size_t partStart = slash == std::string_view::npos ? 0 : slash + 1;
    std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || dot <= partStart)
        dot = path.size();
    return std::string(path.substr(0, dot)) + " (" + std::to_string(number) + ")" +
           std::string(path.substr(dot));
}

MemberPath SafeMemberPath(std::string_view storedName)
{
    std::vector<std::string> raw(1);
    for (const char c : storedName) {
        if (c == '\\' || c == '/')
            raw.emplace_back();
        else
            raw.back() += c;
    }
    Changes changes;
    std::size_t at = 0;
    changes.leadingSeparator = raw.size() > 1 && raw.front().empty();
    while (at < raw.size() && raw[at].empty())
        ++at;
    if (at < raw.size() && IsDriveLetter(raw[at])) {
        changes.driveLetter = true;
        raw[at].erase(0, 2);
        if (raw[at].empty())
            ++at;
    }
    std::vector<std::string> parts;
    for (; at < raw.size(); ++at) {
        if (raw[at].empty() || raw[at] == ".")
            changes.emptyParts = true;
        else
            parts.push_back(std::move(raw[at]));
    }

    std::string path;
    for (std::string& each : parts) {
        if (each == "..")
            return Refused("the name climbs out of its folder with \"..\"");
        CleanPart(each, changes);
        if (each.size() > kLongestPathPart)
            return Refused("a part of the name is longer than " + std::to_string(kLongestPathPart) +
                           " bytes");
        path += (path.empty() ? "" : "/") + each;
    }
    if (path.empty())
        return Refused("the name is empty");
    const std::string reason = changes.Reason();
    return {path, !reason.empty(), reason};
}

std::vector<MemberPath> PlanMemberPaths(const std::vector<FarMember>& members)
{
    std::vector<MemberPath> plan;
    plan.reserve(members.size());
    std::unordered_set<std::string> files, folders;  // in ASCII lower case
    for (const FarMember& member : members) {
        MemberPath path = member.usable() ? SafeMemberPath(member.name) : Refused(member.damage);
        if (path.refused()) {
            plan.push_back(std::move(path));
            continue;
        }
        // A folder of this path that is an earlier member's file cannot be made.
        const std::string lower = AsciiLower(path.path);
        bool folderIsFile = false;
        for (std::size_t slash = lower.find('/'); slash != std::string::npos;
             slash = lower.find('/', slash + 1))
            folderIsFile = folderIsFile || files.contains(lower.substr(0, slash));
        if (folderIsFile) {
            plan.push_back(Refused("a folder of its path is another member's file"));
            continue;
        }
        const auto taken = [&](const std::string& name) {
            return files.contains(name) || folders.contains(name);
        };
        if (taken(lower)) {
            int number = 2;
            while (taken(AsciiLower(NumberedName(path.path, number))))
                ++number;
            path.path = NumberedName(path.path, number);
            path.reason +=
                std::string(path.reason.empty() ? "" : "; ") + "an earlier member has the same name";
            path.renamed = true;
        }
        const std::string final = AsciiLower(path.path);
        files.insert(final);
        for (std::size_t slash = final.find('/'); slash != std::string::npos;
             slash = final.find('/', slash + 1))
            folders.insert(final.substr(0, slash));
        plan.push_back(std::move(path));
    }
    return plan;
}

}  // namespace tarnwick
