#include "system/wine_paths.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "model/text/windows1252.h"
#include "system/ascii_case.h"

namespace tarnwick {

namespace fs = std::filesystem;

namespace {

// The entry of `folder` named `name`: itself if present, else the first in
// name order that differs only in case.
std::optional<fs::path> FindIgnoringCase(const fs::path& folder, const std::string& name)
{
    std::error_code error;
    if (fs::is_directory(folder / name, error))
        return folder / name;
    std::vector<std::string> matches;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        const std::string candidate = entry->path().filename().string();
        if (EqualIgnoringCase(candidate, name) && fs::is_directory(entry->path(), error))
            matches.push_back(candidate);
    }
    if (matches.empty())
        return std::nullopt;
    return folder / *std::min_element(matches.begin(), matches.end());
}

}  // namespace

std::vector<WineDrive> WineDrives(const fs::path& prefix)
{
    std::vector<WineDrive> drives;
    if (prefix.empty())
        return drives;  // no prefix: not the working folder's links
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        const std::string name{letter, ':'};
        std::error_code error;
        const fs::path folder = fs::canonical(prefix / "dosdevices" / name, error);
        if (!error && fs::is_directory(folder, error))
            drives.push_back({std::string{static_cast<char>(std::toupper(letter)), ':'}, folder});
    }
    return drives;
}

std::optional<fs::path> MapWindowsPath(std::string_view windowsPath, const fs::path& prefix)
{
    if (prefix.empty() || windowsPath.size() < 2 || windowsPath[1] != ':' ||
        !std::isalpha(static_cast<unsigned char>(windowsPath[0])))
        return std::nullopt;
    const std::string letter{static_cast<char>(std::tolower(static_cast<unsigned char>(windowsPath[0]))),
                             ':'};
    std::error_code error;
    fs::path folder = fs::canonical(prefix / "dosdevices" / letter, error);
    if (error || !fs::is_directory(folder, error))
        return std::nullopt;
    const std::string rest = Windows1252ToUtf8(windowsPath.substr(2));
    std::size_t start = 0;
    while (start <= rest.size()) {
        const std::size_t end = std::min(rest.find_first_of("\\/", start), rest.size());
        const std::string name = rest.substr(start, end - start);
        if (!name.empty() && name != ".") {
            const auto next =
                name == ".." ? std::optional(folder.parent_path()) : FindIgnoringCase(folder, name);
            if (!next)
                return std::nullopt;
            folder = *next;
        }
        start = end + 1;
    }
    return folder;
}

}  // namespace tarnwick
