#include "library/scan_command.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <optional>

#include "library/conflicts.h"
#include "library/index_cache.h"
#include "library/library_scan.h"
#include "library/scan_output.h"

namespace tarnwick::library {

namespace {

constexpr int kUsageError = 2;
constexpr char kUsage[] = "usage: tarnwick scan FOLDER... [--conflicts] [--format tsv|json] [--no-cache]\n";

struct ScanRequest {
    std::vector<std::string> roots;
    bool conflicts = false;
    bool useCache = true;
    OutputFormat format = OutputFormat::Tsv;
};

// The request, or the line that says what is wrong with it.
std::string ParseArguments(const std::vector<std::string>& arguments, ScanRequest& request)
{
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--conflicts") {
            request.conflicts = true;
        } else if (argument == "--no-cache") {
            request.useCache = false;
        } else if (argument == "--format" || argument.rfind("--format=", 0) == 0) {
            std::string value;
            if (argument == "--format") {
                if (++i == arguments.size())
                    return "--format needs tsv or json";
                value = arguments[i];
            } else {
                value = argument.substr(std::strlen("--format="));
            }
            if (value != "tsv" && value != "json")
                return "unknown format \"" + value + "\": tsv or json";
            request.format = value == "json" ? OutputFormat::Json : OutputFormat::Tsv;
        } else if (argument.rfind("--", 0) == 0) {
            return "unknown option " + argument;
        } else {
            request.roots.push_back(argument);
        }
    }
    return request.roots.empty() ? "give a folder to scan" : "";
}

}  // namespace

std::string AbsoluteRoot(const std::string& root)
{
    std::error_code error;
    std::string absolute =
        std::filesystem::absolute(std::filesystem::path(root), error).lexically_normal().string();
    if (error)
        return root;
    while (absolute.size() > 1 && absolute.ends_with('/'))
        absolute.pop_back();
    return absolute;
}

bool AsksForScan(int argc, const char* const* argv)
{
    return argc >= 2 && std::strcmp(argv[1], kScanCommand) == 0;
}

void SortRecords(std::vector<FileRecord>& files)
{
    std::sort(files.begin(), files.end(), [](const FileRecord& a, const FileRecord& b) {
        return a.path != b.path ? a.path < b.path : a.member < b.member;
    });
}

int RunScanCommand(const std::vector<std::string>& arguments, std::FILE* out, std::FILE* errors)
{
    ScanRequest request;
    if (const std::string problem = ParseArguments(arguments, request); !problem.empty()) {
        std::fprintf(errors, "tarnwick scan: %s\n%s", problem.c_str(), kUsage);
        return kUsageError;
    }
    for (std::string& root : request.roots)
        root = AbsoluteRoot(root);
    std::optional<IndexCache> cache;
    ScanOptions options;
    if (request.useCache) {
        cache.emplace(DefaultCacheFile());
        if (!cache->problem().empty())
            std::fprintf(errors, "tarnwick scan: the cache %s: %s\n", DefaultCacheFile().string().c_str(),
                         cache->problem().c_str());
        if (cache->state() != IndexCache::State::Unavailable)
            options.known = [&](const ListedFile& file) { return cache->Find(file); };
    }
    std::vector<FileRecord> files;
    const ScanSummary summary =
        Scan(request.roots, options, {{}, [&](std::vector<FileRecord> records, std::size_t) {
                                          for (FileRecord& record : records)
                                              files.push_back(std::move(record));
                                      }});
    if (cache && cache->state() != IndexCache::State::Unavailable &&
        !cache->Update(request.roots, files, !summary.stopped))
        std::fprintf(errors,
                     "tarnwick scan: the cache could not be written; the next scan reads every file again\n");
    for (const std::string& problem : summary.problems)
        std::fprintf(errors, "tarnwick scan: cannot read %s\n", problem.c_str());
    SortRecords(files);
    const std::vector<ConflictGroup> conflicts = FindConflicts(files);
    std::fputs(FormatScan(files, conflicts, request.conflicts, request.format).c_str(), out);
    return FoundHarm(files, conflicts) ? 1 : 0;
}

}  // namespace tarnwick::library
