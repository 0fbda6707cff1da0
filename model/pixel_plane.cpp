#include "model/pixel_plane.h"

#include <algorithm>
#include <new>
#include <utility>

namespace tarnwick {

PixelPlane::PixelPlane(std::size_t size) : size_(size)
{
    if (size == 0)
        return;
    bytes_.reset(static_cast<std::uint8_t*>(std::calloc(size, 1)));
    if (!bytes_)
        throw std::bad_alloc();
}

PixelPlane::PixelPlane(const PixelPlane& other) : PixelPlane(other.size_)
{
    std::copy(other.begin(), other.end(), begin());
}

PixelPlane::PixelPlane(PixelPlane&& other) noexcept
    : bytes_(std::move(other.bytes_)), size_(std::exchange(other.size_, 0))
{
}

PixelPlane& PixelPlane::operator=(PixelPlane other) noexcept
{
    std::swap(bytes_, other.bytes_);
    std::swap(size_, other.size_);
    return *this;
}

}  // namespace tarnwick
