#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace tarnwick {

// One channel of a sprite frame, a byte per pixel, every pixel starting at the
// plane's background. The memory holds each pixel XOR the background and comes
// zeroed from calloc: large blocks come from the system already zeroed, so a
// big frame of few drawn pixels costs only the pages drawn on, whatever its
// background (a transparent index, depth 255 for "far").
class PixelPlane {
public:
    PixelPlane() = default;
    explicit PixelPlane(std::size_t size, std::uint8_t background = 0);  // throws std::bad_alloc
    PixelPlane(const PixelPlane& other);
    PixelPlane(PixelPlane&& other) noexcept;
    PixelPlane& operator=(PixelPlane other) noexcept;
    ~PixelPlane() = default;

    [[nodiscard]] std::size_t size() const { return size_; }
    [[nodiscard]] bool empty() const { return size_ == 0; }
    std::uint8_t operator[](std::size_t at) const { return bytes_[at] ^ background_; }
    void Set(std::size_t at, std::uint8_t value) { bytes_[at] = value ^ background_; }

private:
    struct Free {
        void operator()(std::uint8_t* bytes) const { std::free(bytes); }
    };
    std::unique_ptr<std::uint8_t[], Free> bytes_;
    std::size_t size_ = 0;
    std::uint8_t background_ = 0;
};

}  // namespace tarnwick
