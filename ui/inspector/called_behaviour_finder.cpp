#include "ui/inspector/called_behaviour_finder.h"

#include "model/decoders/linked_chunks.h"

namespace tarnwick {

std::optional<library::CalledBehaviour> CalledBehaviourFinder::Find(OpcodeKind kind, std::uint16_t id)
{
    if (kind != OpcodeKind::GlobalCall && kind != OpcodeKind::SemiGlobalCall)
        return std::nullopt;
    library::GameBehaviours* game = Game();
    if (game == nullptr)
        return std::nullopt;
    if (kind == OpcodeKind::GlobalCall)
        return game->Global(id);
    return game->SemiGlobal(SemiGlobalFileName(openFile_.Chunks), id);
}

library::GameBehaviours* CalledBehaviourFinder::Game()
{
    // Looked for once per file: a walk up its folders.
    if (gameOf_ != openFile_.FilePath) {
        gameOf_ = openFile_.FilePath;
        game_.reset();
        const auto folder = library::GameFolderFor(*gameOf_, installed_);
        if (folder)
            game_ = library::BehavioursOfGame(*folder);
    }
    return game_.get();
}

}  // namespace tarnwick
