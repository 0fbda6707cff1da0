#include "ui/library/thumbnail_cache.h"

#include <QGuiApplication>
#include <QImage>
#include <QMetaObject>
#include <QPainter>
#include <algorithm>
#include <cstring>
#include <new>

#include "library/listed_picture.h"

namespace tarnwick {

namespace {

// The picture scaled down to fit the square, never up, centred in it; made
// at the screen's density, so that it stays sharp where a pixel is two.
QImage ThumbnailOf(const Composite& picture, int side, qreal ratio)
{
    if (picture.width <= 0 || picture.height <= 0 ||
        picture.pixels.size() !=
            static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height))
        return {};
    QImage whole(picture.width, picture.height, QImage::Format_ARGB32);
    if (whole.isNull())
        return {};
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(
            whole.scanLine(y),
            picture.pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.width),
            static_cast<std::size_t>(picture.width) * sizeof(std::uint32_t));
    const int pixels = qRound(side * ratio);
    if (whole.width() > pixels || whole.height() > pixels)
        whole = whole.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage square(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    square.fill(Qt::transparent);
    {
        QPainter painter(&square);
        painter.drawImage((pixels - whole.width()) / 2, (pixels - whole.height()) / 2, whole);
    }
    square.setDevicePixelRatio(ratio);
    return square;
}

}  // namespace

std::size_t ThumbnailCache::KeyHash::operator()(const Key& key) const
{
    const std::hash<std::string> text;
    return text(key.path) ^ (text(key.member) * 31) ^ (std::size_t{key.objdId} << 1);
}

ThumbnailCache::ThumbnailCache(std::size_t capacity, std::size_t maxPending, QObject* parent)
    : QObject(parent),
      capacity_(capacity),
      maxPending_(maxPending),
      ratio_(std::clamp(qApp->devicePixelRatio(), 1.0, 4.0))
{
    worker_ = std::jthread([this](const std::stop_token& stop) { Work(stop); });
}

ThumbnailCache::~ThumbnailCache()
{
    worker_.request_stop();
    if (worker_.joinable())
        worker_.join();
}

std::optional<QPixmap> ThumbnailCache::Find(const ThumbnailSource& source)
{
    const auto found = pictures_.find(KeyOf(source));
    if (found == pictures_.end())
        return std::nullopt;
    order_.splice(order_.begin(), order_, found->second);
    return found->second->second;
}

std::optional<QPixmap> ThumbnailCache::Ask(const ThumbnailSource& source, int tag)
{
    if (std::optional<QPixmap> made = Find(source))
        return made;
    Key key = KeyOf(source);
    const auto waiting = asked_.find(key);
    if (waiting != asked_.end()) {
        if (std::find(waiting->second.begin(), waiting->second.end(), tag) == waiting->second.end())
            waiting->second.push_back(tag);
        return std::nullopt;
    }
    asked_.emplace(std::move(key), std::vector<int>{tag});
    {
        const std::lock_guard hold(lock_);
        jobs_.push_front({source, generation_});
        while (jobs_.size() > maxPending_) {
            asked_.erase(KeyOf(jobs_.back().source));
            jobs_.pop_back();
        }
    }
    wake_.notify_one();
    return std::nullopt;
}

void ThumbnailCache::DropPending()
{
    asked_.clear();
    const std::lock_guard hold(lock_);
    jobs_.clear();
}

void ThumbnailCache::DropAll()
{
    asked_.clear();
    pictures_.clear();
    order_.clear();
    const std::lock_guard hold(lock_);
    jobs_.clear();
    ++generation_;
}

std::size_t ThumbnailCache::PendingCount()
{
    const std::lock_guard hold(lock_);
    return jobs_.size();
}

void ThumbnailCache::Work(const std::stop_token& stop)
{
    library::ListedPictureReader reader;
    std::uint64_t readerGeneration = 0;
    while (true) {
        Job job;
        {
            std::unique_lock hold(lock_);
            if (!wake_.wait(hold, stop, [this] { return !jobs_.empty(); }))
                return;
            job = std::move(jobs_.front());
            jobs_.pop_front();
        }
        if (job.generation != readerGeneration) {
            reader.Forget();  // a new scan: the files may have changed
            readerGeneration = job.generation;
        }
        QImage image;
        try {
            const std::optional<Composite> picture =
                reader.Read(job.source.path, job.source.member, job.source.chunk, job.source.objdId);
            if (picture)
                image = ThumbnailOf(*picture, kSide, ratio_);
        } catch (const std::bad_alloc&) {
            reader.Forget();  // an empty cell, not a closed program
        }
        QMetaObject::invokeMethod(
            this,
            [this, generation = job.generation, key = KeyOf(job.source), image] {
                Deliver(generation, key, image);
            },
            Qt::QueuedConnection);
    }
}

void ThumbnailCache::Deliver(std::uint64_t generation, const Key& key, const QImage& image)
{
    {
        const std::lock_guard hold(lock_);
        if (generation != generation_)
            return;  // made for rows that are gone
    }
    const auto old = pictures_.find(key);
    if (old != pictures_.end()) {
        order_.erase(old->second);
        pictures_.erase(old);
    }
    order_.emplace_front(key, image.isNull() ? QPixmap() : QPixmap::fromImage(image));
    pictures_.emplace(key, order_.begin());
    while (order_.size() > capacity_) {
        pictures_.erase(order_.back().first);
        order_.pop_back();
    }
    const auto waiting = asked_.find(key);
    if (waiting == asked_.end())
        return;
    const std::vector<int> tags = std::move(waiting->second);
    asked_.erase(waiting);
    if (Made)
        for (const int tag : tags)
            Made(tag);
}

}  // namespace tarnwick
