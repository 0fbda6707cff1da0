#include "model/decoders/pixel_plane.h"

#include <algorithm>
#include <new>
#include <utility>

namespace tarnwick {

PixelPlane::PixelPlane(std::size_t size, std::uint8_t background) : size_(size), background_(background)
{
    if (size == 0)
        return;
    bytes_.reset(static_cast<std::uint8_t*>(std::calloc(size, 1)));
    if (!bytes_)
        throw std::bad_alloc();
}

PixelPlane::PixelPlane(const PixelPlane& other) : PixelPlane(other.size_, other.background_)
{
    std::copy_n(other.bytes_.get(), size_, bytes_.get());
}

PixelPlane::PixelPlane(PixelPlane&& other) noexcept
    : bytes_(std::move(other.bytes_)), size_(std::exchange(other.size_, 0)), background_(other.background_)
{
}

PixelPlane& PixelPlane::operator=(PixelPlane other) noexcept
{
    std::swap(bytes_, other.bytes_);
    std::swap(size_, other.size_);
    std::swap(background_, other.background_);
    return *this;
}

}  // namespace tarnwick
