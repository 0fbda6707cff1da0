#include "system/classic_key.h"

#include "system/game_path.h"

namespace tarnwick {

std::vector<std::string> ClassicFolderCandidates(Registry& registry)
{
    constexpr std::string_view kKey = "Software\\Maxis\\The Sims";
    std::vector<std::string> candidates;
    if (std::string data = ReadRegistryString(registry, kLocalMachine, kKey, "SIMS_DATA"); !data.empty())
        candidates.push_back(std::move(data));
    std::string install = ReadRegistryString(registry, kLocalMachine, kKey, "InstallPath");
    if (!install.empty()) {
        candidates.push_back(install);
        if (install.back() != '\\')
            install += '\\';
        candidates.push_back(install + "The Sims");
    }
    return candidates;
}

}  // namespace tarnwick
