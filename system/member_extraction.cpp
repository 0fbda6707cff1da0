#include "system/member_extraction.h"

#include <utility>

namespace tarnwick {

namespace {

ExtractedMember Refusal(const FarMember& member, std::string reason)
{
    return {member.name, {}, ExtractionOutcome::Refused, std::move(reason)};
}

}  // namespace

std::vector<ExtractionTarget> PlanExtraction(const FarManifest& manifest, const std::string& folder)
{
    std::vector<ExtractionTarget> plan;
    for (MemberPath& path : PlanMemberPaths(manifest.members)) {
        const bool exists = !path.refused() && ExistsInsideFolder(folder, path.path);
        plan.push_back({std::move(path), exists});
    }
    return plan;
}

std::vector<ExtractedMember> ExtractAll(const std::string& archivePath, const FarManifest& manifest,
                                        const std::string& folder, const ExtractionOptions& options)
{
    std::vector<ExtractedMember> report;
    const std::vector<ExtractionTarget> plan = PlanExtraction(manifest, folder);
    for (std::size_t i = 0; i < plan.size(); ++i) {
        const FarMember& member = manifest.members[i];
        const MemberPath& path = plan[i].path;
        if (path.refused()) {
            report.push_back(Refusal(member, path.reason));
        } else {
            const FileReadResult read = ReadFarMember(archivePath, member);
            const bool replace = plan[i].exists && options.replaceExisting(path.path);
            std::string error =
                read.ok() ? WriteInsideFolder(folder, path.path, read.bytes, replace) : read.error;
            if (!error.empty())
                report.push_back(Refusal(member, std::move(error)));
            else
                report.push_back({member.name, path.path,
                                  path.renamed ? ExtractionOutcome::Renamed : ExtractionOutcome::Written,
                                  path.reason});
        }
        if (!options.progress(i + 1))
            break;
    }
    return report;
}

ExtractedMember SaveMemberAs(const std::string& archivePath, const FarMember& member,
                             const std::string& targetPath, bool replaceExisting)
{
    const FileReadResult read = ReadFarMember(archivePath, member);
    if (!read.ok())
        return Refusal(member, read.error);
    std::string folder, name;
    SplitChosenPath(targetPath, folder, name);
    if (name.empty())
        return Refusal(member, "the chosen path names no file");
    std::string error = WriteInsideFolder(folder, name, read.bytes, replaceExisting);
    if (!error.empty())
        return Refusal(member, std::move(error));
    return {member.name, targetPath, ExtractionOutcome::Written, {}};
}

}  // namespace tarnwick
