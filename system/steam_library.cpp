#include "system/steam_library.h"

#include <algorithm>
#include <system_error>

#include "system/folder_names.h"
#include "system/valve_key_values.h"

namespace tarnwick {

namespace fs = std::filesystem;

fs::path SameFolder(const fs::path& folder)
{
    std::error_code error;
    fs::path same = fs::weakly_canonical(folder, error);
    return error ? folder : same;
}

std::optional<fs::path> NativeSteamPath(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    fs::path folder = PathFromUtf8(text);
    return IsFolderPath(folder) ? std::optional(std::move(folder)) : std::nullopt;
}

namespace {

void AddOnce(std::vector<fs::path>& folders, const fs::path& folder)
{
    const fs::path same = SameFolder(folder);
    if (std::find(folders.begin(), folders.end(), same) == folders.end())
        folders.push_back(same);
}

// The library paths of one libraryfolders.vdf, in the file's order.
std::vector<std::string> LibraryPaths(const KeyValueRead& read)
{
    std::vector<std::string> paths;
    for (const KeyValue& top : read.Entries) {
        if (!top.IsBlock)
            continue;
        for (const KeyValue& entry : top.Children) {
            if (entry.Key.empty() || entry.Key.find_first_not_of("0123456789") != std::string::npos)
                continue;  // "contentstatsid", "TimeNextStatsReport" and the like
            if (!entry.IsBlock)
                paths.push_back(entry.Value);
            else if (const KeyValue* path = entry.Find("path"); path != nullptr && !path->IsBlock)
                paths.push_back(path->Value);
        }
    }
    return paths;
}

}  // namespace

std::vector<fs::path> SteamLibraries(const fs::path& root, const SteamPathMapper& map,
                                     std::vector<std::string>& problems)
{
    std::vector<fs::path> libraries;
    if (!IsFolderPath(root))
        return libraries;
    AddOnce(libraries, root);
    for (const auto& names : {std::initializer_list<std::string_view>{"steamapps", "libraryfolders.vdf"},
                              std::initializer_list<std::string_view>{"config", "libraryfolders.vdf"}}) {
        const auto file = FindEntry(root, names);
        if (!file)
            continue;
        const KeyValueRead read = LoadKeyValues(*file);
        if (!read.Error.empty()) {
            problems.push_back(Utf8OfPath(*file) + ": " + read.Error);
            continue;
        }
        for (const std::string& path : LibraryPaths(read))
            if (const auto library = map(path))
                AddOnce(libraries, *library);
    }
    return libraries;
}

std::optional<fs::path> SteamAppFolder(const fs::path& library, std::string_view appId,
                                       std::vector<std::string>& problems)
{
    const auto steamApps = FindEntry(library, "steamapps");
    if (!steamApps)
        return std::nullopt;
    const auto manifest = FindEntry(*steamApps, "appmanifest_" + std::string(appId) + ".acf");
    if (!manifest)
        return std::nullopt;
    const KeyValueRead read = LoadKeyValues(*manifest);
    if (!read.Error.empty()) {
        problems.push_back(Utf8OfPath(*manifest) + ": " + read.Error);
        return std::nullopt;
    }
    const KeyValue* installDir = nullptr;
    for (const KeyValue& top : read.Entries)
        if (top.IsBlock && installDir == nullptr)
            installDir = top.Find("installdir");
    if (installDir == nullptr || installDir->IsBlock)
        return std::nullopt;
    // One folder's name: FindEntry refuses a path that would lead out of common/.
    const auto folder = FindEntry(*steamApps, {"common", installDir->Value});
    return folder && IsFolderPath(*folder) ? folder : std::nullopt;
}

namespace {

// A prefix that was never started has no pfx.lock: it sorts last.
fs::file_time_type LastUse(const fs::path& prefix)
{
    std::error_code error;
    const auto time = fs::last_write_time(prefix.parent_path() / "pfx.lock", error);
    return error ? fs::file_time_type::min() : time;
}

}  // namespace

std::vector<fs::path> ProtonPrefixes(const std::vector<fs::path>& libraries, std::string_view appId)
{
    std::vector<fs::path> prefixes;
    for (const fs::path& library : libraries)
        if (const auto prefix = FindEntry(library, {"steamapps", "compatdata", appId, "pfx"});
            prefix && IsFolderPath(*prefix))
            AddOnce(prefixes, *prefix);
    std::stable_sort(prefixes.begin(), prefixes.end(),
                     [](const fs::path& a, const fs::path& b) { return LastUse(a) > LastUse(b); });
    return prefixes;
}

std::vector<fs::path> AllProtonPrefixes(const std::vector<fs::path>& libraries)
{
    std::vector<fs::path> prefixes;
    for (const fs::path& library : libraries) {
        const auto compatData = FindEntry(library, {"steamapps", "compatdata"});
        if (!compatData)
            continue;
        std::vector<fs::path> found;
        std::error_code error;
        for (fs::directory_iterator entry(*compatData, error), end; !error && entry != end;
             entry.increment(error))
            if (const auto prefix = FindEntry(entry->path(), "pfx"); prefix && IsFolderPath(*prefix))
                found.push_back(*prefix);
        std::sort(found.begin(), found.end());
        for (const fs::path& prefix : found)
            AddOnce(prefixes, prefix);
    }
    return prefixes;
}

}  // namespace tarnwick
