#include "system/extraction_report.h"

namespace tarnwick {

namespace {

std::string Count(std::size_t n, const char* one, const char* many)
{
    return std::to_string(n) + ' ' + (n == 1 ? one : many);
}

}  // namespace

std::string DescribeExtraction(const std::vector<ExtractedMember>& results, std::size_t memberCount,
                               const std::string& folder)
{
    std::size_t tally[3] = {};
    std::string blocks[3];
    for (const ExtractedMember& member : results) {
        const auto kind = static_cast<std::size_t>(member.outcome);
        ++tally[kind];
        std::string& block = blocks[kind];
        switch (member.outcome) {
        case ExtractionOutcome::Written:
            block += "  " + member.path + '\n';
            break;
        case ExtractionOutcome::Renamed:
            block += "  " + member.name + " as " + member.path + ": " + member.reason + '\n';
            break;
        case ExtractionOutcome::Refused:
            block += "  " + member.name + ": " + member.reason + '\n';
            break;
        }
    }
    const std::size_t written = tally[0] + tally[1];
    std::string report = results.size() < memberCount
                             ? "Stopped after " + std::to_string(results.size()) + " of " +
                                   Count(memberCount, "member", "members") + ": "
                             : "Extracted " + std::to_string(written) + " of " +
                                   Count(memberCount, "member", "members") + " into " + folder + ": ";
    report += std::to_string(tally[0]) + " under their own names, " + std::to_string(tally[1]) +
              " renamed, " + std::to_string(tally[2]) + " refused.\n";
    const char* headings[3] = {"Written under their own names:\n", "Renamed:\n", "Refused:\n"};
    for (const std::size_t kind : {std::size_t{1}, std::size_t{2}, std::size_t{0}})
        if (!blocks[kind].empty())
            report += headings[kind] + blocks[kind];
    return report;
}

}  // namespace tarnwick
