#pragma once

#include <string>
#include <vector>

#include "system/registry.h"

namespace tarnwick {

// The folders the classic install's key names, as Windows paths in the order
// to try them: SIMS_DATA, then InstallPath, then InstallPath\The Sims (a
// common repack keeps the game one folder below InstallPath). Empty values
// are left out.
[[nodiscard]] std::vector<std::string> ClassicFolderCandidates(Registry& registry);

}  // namespace tarnwick
