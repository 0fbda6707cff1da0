#include "ui/inspector/replaced_object_finder.h"

#include <map>
#include <memory>
#include <mutex>

#include "library/called_behaviours.h"

namespace tarnwick {

namespace fs = std::filesystem;

namespace {

// The game objects indexed in this run, by game folder.
class KnownGames {
public:
    static KnownGames& Instance()
    {
        static KnownGames games;
        return games;
    }
    std::shared_ptr<const library::GameObjects> Find(const fs::path& folder)
    {
        const std::lock_guard lock(mutex_);
        const auto found = games_.find(folder);
        return found == games_.end() ? nullptr : found->second;
    }
    void Keep(const fs::path& folder, std::shared_ptr<const library::GameObjects> objects)
    {
        const std::lock_guard lock(mutex_);
        games_[folder] = std::move(objects);
    }

private:
    std::mutex mutex_;
    std::map<fs::path, std::shared_ptr<const library::GameObjects>> games_;
};

}  // namespace

ReplacedObjectFinder::ReplacedObjectFinder(const OpenFile& openFile, QObject& receiver,
                                           std::function<void()> known)
    : openFile_(openFile), receiver_(receiver), known_(std::move(known))
{
}

ReplacedObject ReplacedObjectFinder::Find(std::uint32_t guid)
{
    if (lookedAt_ != openFile_.FilePath) {
        lookedAt_ = openFile_.FilePath;
        game_ = library::GameFolderFor(openFile_.FilePath, sources_.installedGame);
        if (game_ && library::IsGameOwnFile(openFile_.FilePath, *game_))
            game_.reset();
    }
    if (!game_)
        return {};
    const auto objects = KnownGames::Instance().Find(*game_);
    if (!objects) {
        if (indexed_ != game_) {
            indexed_ = game_;
            indexing_ = std::jthread(
                [this, game = *game_, cache = sources_.libraryCache](const std::stop_token& stop) {
                    auto found = library::IndexGameObjects(game, cache, stop);
                    if (!found)
                        return;
                    KnownGames::Instance().Keep(game, std::move(found));
                    QMetaObject::invokeMethod(&receiver_, known_, Qt::QueuedConnection);
                });
        }
        return {ReplacedObject::State::Looking};
    }
    auto original = objects->Find(guid);
    if (!original)
        return {};
    return {ReplacedObject::State::Found, std::move(*original), *game_};
}

}  // namespace tarnwick
