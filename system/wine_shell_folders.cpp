#include "system/wine_shell_folders.h"

#include <algorithm>
#include <optional>
#include <string>
#include <system_error>

#include "model/text/windows1252.h"
#include "system/ascii_case.h"
#include "system/folder_names.h"
#include "system/registry.h"
#include "system/wine_prefix_installs.h"
#include "system/wine_registry.h"

namespace tarnwick {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";
constexpr std::string_view kUserProfile = "%USERPROFILE%";

// A text value of user.reg in UTF-8, up to its first NUL; nothing for another type.
std::optional<std::string> TextValue(const WineRegistryFile& file, std::string_view key,
                                     std::string_view name)
{
    const auto value = file.FindValue(std::string(kExplorer) + std::string(key), name);
    if (!value || (value->type != kRegString && value->type != kRegExpandString))
        return std::nullopt;
    const auto end = std::find(value->bytes.begin(), value->bytes.end(), std::uint8_t{0});
    const std::string text(value->bytes.begin(), end);
    if (text.empty())
        return std::nullopt;
    return Windows1252ToUtf8(text);
}

void AddExistingFolder(std::vector<fs::path>& folders, const std::optional<fs::path>& folder)
{
    if (folder && IsFolderPath(*folder) &&
        std::find(folders.begin(), folders.end(), *folder) == folders.end())
        folders.push_back(*folder);
}

}  // namespace

std::vector<fs::path> ShellFolders(const fs::path& prefix, const ShellFolderName& folder)
{
    std::vector<fs::path> users;
    if (const auto usersFolder = FindEntry(prefix, {"drive_c", "users"})) {
        std::error_code error;
        for (fs::directory_iterator entry(*usersFolder, error), end; !error && entry != end;
             entry.increment(error))
            if (IsFolderPath(entry->path()))
                users.push_back(entry->path());
        std::sort(users.begin(), users.end());
    }
    std::vector<fs::path> folders;
    const WineRegistryFile file = WineRegistryFile::Load(prefix / "user.reg");
    for (const std::string_view key : {"User Shell Folders", "Shell Folders"}) {
        const auto text = TextValue(file, key, folder.Value);
        if (!text)
            continue;
        if (!StartsWithIgnoringCase(*text, kUserProfile)) {
            AddExistingFolder(folders, MapUtf8WindowsPath(*text, prefix));
            continue;
        }
        // Wine sets USERPROFILE to C:\users\<name>; which name user.reg does not say.
        const std::string rest = text->substr(kUserProfile.size());
        for (const fs::path& user : users)
            AddExistingFolder(folders, MapUtf8WindowsPath("C:\\users\\" + NameOf(user) + rest, prefix));
    }
    for (const fs::path& user : users)
        AddExistingFolder(folders, FindEntry(user, folder.DefaultName));
    return folders;
}

}  // namespace tarnwick
