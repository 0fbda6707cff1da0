#pragma once

#include <QObject>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "library/game_objects.h"
#include "model/container/open_file.h"
#include "ui/inspector/link_sources.h"

namespace tarnwick {

// What the open file's object replaces: the game's own object with its GUID.
struct ReplacedObject {
    enum class State { Looking, Found, None };
    State state = State::None;
    library::GameObject original{};
    std::filesystem::path gameFolder{};
};

// Finds the game object that an object of the open file replaces. The
// game's objects are indexed off the window's thread, once per game folder
// and run, through the library's cache; `known` is then called on the
// receiver's thread, so that what said "looking" can ask again.
class ReplacedObjectFinder {
public:
    ReplacedObjectFinder(const OpenFile& openFile, QObject& receiver, std::function<void()> known);

    void SetSources(LinkSources sources)
    {
        sources_ = std::move(sources);
        lookedAt_.reset();
    }
    [[nodiscard]] ReplacedObject Find(std::uint32_t guid);

private:
    const OpenFile& openFile_;
    QObject& receiver_;
    std::function<void()> known_;
    LinkSources sources_;
    // Looked for once per file, a walk up its folders: the file, and the game
    // folder whose objects it may replace (none for a file of the game's own).
    std::optional<std::string> lookedAt_;
    std::optional<std::filesystem::path> game_;
    std::optional<std::filesystem::path> indexed_;  // the game folder being indexed, or indexed
    std::jthread indexing_;                         // last: stopped and joined first
};

}  // namespace tarnwick
