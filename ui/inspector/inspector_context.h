#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "library/called_behaviours.h"
#include "model/container/open_file.h"
#include "model/decoders/instruction_text.h"
#include "ui/inspector/replaced_object_finder.h"

namespace tarnwick {

// What the views of one inspector share: the open file, the language that
// texts of other chunks are shown in, and the way to follow a link to another
// chunk (the window selects it in the main list, shows it, and keeps it for
// Back and Forward).
struct InspectorContext {
    const OpenFile& openFile;
    int language = 1;  // 1-20, English (US) until the user picks another
    std::function<void(ChunkNumber number)> follow;
    // Names of the global and semi-global behaviours that instructions call,
    // where the game's files are at hand; none numbers them.
    CalledBehaviourNames calledNames = {};
    // The behaviour a global or semi-global call reaches, where the game's
    // files are at hand, and the way to open it in its own file (the window
    // opens that file in the main window and keeps the way back).
    std::function<std::optional<library::CalledBehaviour>(OpcodeKind kind, std::uint16_t id)> findCalled = {};
    std::function<void(const library::ChunkPlace& place)> followElsewhere = {};
    // The game object that an object with this GUID replaces, where the
    // game's files are at hand.
    std::function<ReplacedObject(std::uint32_t guid)> findReplaced = {};

    // The number of chunk TYPE ID, or 0 when the file has none.
    [[nodiscard]] ChunkNumber Find(std::string_view type, std::uint32_t id) const;
    // Follows a link to chunk `number`; nothing for 0.
    void Follow(ChunkNumber number) const;
    // The behaviour a call reaches, or nothing when it is not known.
    [[nodiscard]] std::optional<library::CalledBehaviour> FindCalled(OpcodeKind kind, std::uint16_t id) const;
    void FollowElsewhere(const library::ChunkPlace& place) const;
    [[nodiscard]] ReplacedObject FindReplaced(std::uint32_t guid) const;
};

}  // namespace tarnwick
