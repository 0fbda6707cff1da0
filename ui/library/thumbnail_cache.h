#pragma once

#include <QObject>
#include <QPixmap>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <list>
#include <mutex>
#include <optional>
#include <stop_token>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

namespace tarnwick {

// The object a thumbnail shows: its file, the archive member it is in, its
// definition's ID, and the definition's chunk number to find it by.
struct ThumbnailSource {
    std::string path;
    std::string member;
    std::uint16_t objdId = 0;
    std::uint32_t chunk = 0;
};

// Small pictures of the library's objects, made on a worker thread as rows are
// shown and kept in memory, the least recently shown dropped past a bound.
// The latest asked for are made first; past a bound the oldest requests are
// dropped, to be asked for again if their rows show again.
class ThumbnailCache : public QObject {
public:
    // The pictures fit kSide x kSide device-independent pixels, their aspect
    // kept, at the density of the densest screen.
    static constexpr int kSide = 48;

    ThumbnailCache(std::size_t capacity, std::size_t maxPending, QObject* parent);
    ~ThumbnailCache() override;

    // The picture when it has been made (a null one when the object has none);
    // nothing when it has not.
    [[nodiscard]] std::optional<QPixmap> Find(const ThumbnailSource& source);
    // As Find, and when the picture is not made yet, asks for it: `Made(tag)`
    // is called on this object's thread once it is.
    std::optional<QPixmap> Ask(const ThumbnailSource& source, int tag);
    std::function<void(int tag)> Made;

    // Drops the requests not yet made: their rows are no longer shown.
    void DropPending();
    // Drops the requests and every picture: the rows are about to change.
    void DropAll();

    [[nodiscard]] std::size_t Count() const { return order_.size(); }
    [[nodiscard]] std::size_t PendingCount();

private:
    struct Key {
        std::string path;
        std::string member;
        std::uint16_t objdId = 0;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const;
    };
    struct Job {
        ThumbnailSource source;
        std::uint64_t generation = 0;
    };
    using Order = std::list<std::pair<Key, QPixmap>>;

    static Key KeyOf(const ThumbnailSource& source) { return {source.path, source.member, source.objdId}; }
    void Work(const std::stop_token& stop);
    void Deliver(std::uint64_t generation, const Key& key, const QImage& image);

    // The window's thread only.
    std::size_t capacity_;
    std::size_t maxPending_;
    const qreal ratio_;  // device pixels to a picture's pixel, read by the worker too
    Order order_;        // most recently shown first
    std::unordered_map<Key, Order::iterator, KeyHash> pictures_;
    std::unordered_map<Key, std::vector<int>, KeyHash> asked_;  // the tags waiting for each

    // Shared with the worker.
    std::mutex lock_;
    std::condition_variable_any wake_;
    std::deque<Job> jobs_;  // the latest first
    std::uint64_t generation_ = 0;
    std::jthread worker_;  // last: stopped and joined before what it uses goes
};

}  // namespace tarnwick
