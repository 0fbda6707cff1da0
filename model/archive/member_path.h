#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/archive/far_archive.h"

namespace tarnwick {

// Where a member is written under the folder a user chose: a relative path
// of plain parts joined by '/', or, when `path` is empty, refused with the
// reason. `renamed` says the path is not the stored name as the archive
// meant it (its backslashes as folders), and `reason` says why.
struct MemberPath {
    std::string path;
    bool renamed = false;
    std::string reason;

    [[nodiscard]] bool refused() const { return path.empty(); }
};

// The longest part of a path the common file systems take, in bytes.
inline constexpr std::size_t kLongestPathPart = 255;

// Makes a stored member name safe to write on any system: backslashes and
// slashes separate folders; a leading separator, a drive letter, empty and
// "." parts are dropped; characters Windows does not allow (<>:"|?* and
// control bytes), bytes that are not UTF-8, and trailing dots and spaces
// become '_'; a name Windows reserves (CON, PRN, AUX, NUL, COM1-9, LPT1-9,
// with any extension, in any case) gains a leading '_'. A name with a ".."
// part, nothing left, or a part longer than kLongestPathPart is refused.
[[nodiscard]] MemberPath SafeMemberPath(std::string_view storedName);

// "name (n).ext" for a path "folder/name.ext": how a second file of one name is told apart.
[[nodiscard]] std::string NumberedName(std::string_view path, int number);

// The paths of all members, in order, such that no two name the same file or
// a file where another needs a folder, compared without regard to ASCII case
// as Windows and macOS compare them: a later member that would overwrite an
// earlier one is renamed "name (2).ext", or refused when its folder is
// another member's file. A damaged member is refused with its damage.
[[nodiscard]] std::vector<MemberPath> PlanMemberPaths(const std::vector<FarMember>& members);

}  // namespace tarnwick
