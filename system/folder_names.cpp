#include "system/folder_names.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include "system/ascii_case.h"

namespace tarnwick {

namespace fs = std::filesystem;

std::string Utf8OfPath(const fs::path& path)
{
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

fs::path PathFromUtf8(std::string_view text) { return fs::path(std::u8string(text.begin(), text.end())); }

std::string NameOf(const fs::path& path) { return Utf8OfPath(path.filename()); }

bool IsFile(const fs::path& path)
{
    std::error_code error;
    return fs::is_regular_file(path, error);
}

bool IsFolderPath(const fs::path& path)
{
    std::error_code error;
    return fs::is_directory(path, error);
}

std::optional<fs::path> FindEntry(const fs::path& folder, std::string_view name)
{
    if (name.empty() || name == "." || name == ".." || name.find_first_of("/\\") != std::string_view::npos)
        return std::nullopt;  // one name inside the folder, never a way out of it
    std::error_code error;
    const fs::path exact = folder / PathFromUtf8(name);
    if (fs::exists(fs::symlink_status(exact, error)))
        return exact;
    std::vector<std::string> matches;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        std::string candidate = NameOf(entry->path());
        if (EqualIgnoringCase(candidate, name))
            matches.push_back(std::move(candidate));
    }
    if (matches.empty())
        return std::nullopt;
    return folder / PathFromUtf8(*std::min_element(matches.begin(), matches.end()));
}

std::optional<fs::path> FindEntry(const fs::path& folder, std::initializer_list<std::string_view> names)
{
    std::optional<fs::path> path = folder;
    for (const std::string_view name : names) {
        path = FindEntry(*path, name);
        if (!path)
            break;
    }
    return path;
}

}  // namespace tarnwick
