#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "library/called_behaviours.h"
#include "model/container/open_file.h"
#include "model/decoders/behaviour.h"

namespace tarnwick {

// Finds the behaviours that the open file's global and semi-global calls
// reach: in the game folder around the file, else in the installed game's.
class CalledBehaviourFinder {
public:
    explicit CalledBehaviourFinder(const OpenFile& openFile) : openFile_(openFile) {}

    // The game folder of the install found at start; empty for none.
    void SetInstalledGame(std::filesystem::path gameFolder)
    {
        installed_ = std::move(gameFolder);
        gameOf_.reset();
    }

    // The behaviour a call of `kind` to `id` reaches, semi-global ones in the
    // file the open file's GLOB names; nothing for other kinds, or when no
    // game folder or behaviour is found.
    [[nodiscard]] std::optional<library::CalledBehaviour> Find(OpcodeKind kind, std::uint16_t id);

private:
    [[nodiscard]] library::GameBehaviours* Game();

    const OpenFile& openFile_;
    std::filesystem::path installed_;
    std::optional<std::string> gameOf_;  // the file whose game folder game_ is, once looked for
    std::shared_ptr<library::GameBehaviours> game_;
};

}  // namespace tarnwick
