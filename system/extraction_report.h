#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "system/member_extraction.h"

namespace tarnwick {

// The report shown when an extraction ends. Its first line sums it up
// ("Extracted 5 of 6 members into /x: 4 under their own names, 1 renamed, 1 refused."; or
// "Stopped after …" when it was cancelled); then a block each for what was
// renamed, refused and written, one member a line, blocks without members left out.
[[nodiscard]] std::string DescribeExtraction(const std::vector<ExtractedMember>& results,
                                             std::size_t memberCount, const std::string& folder);

}  // namespace tarnwick
