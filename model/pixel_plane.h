#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace tarnwick {

// One channel of a sprite frame, a byte per pixel, starting at zero. Its
// memory comes zeroed from calloc: large blocks come from the system already
// zeroed, so a big frame of few drawn pixels costs only the pages drawn on.
class PixelPlane {
public:
    PixelPlane() = default;
    explicit PixelPlane(std::size_t size);  // throws std::bad_alloc
    PixelPlane(const PixelPlane& other);
    PixelPlane(PixelPlane&& other) noexcept;
    PixelPlane& operator=(PixelPlane other) noexcept;
    ~PixelPlane() = default;

    [[nodiscard]] std::size_t size() const { return size_; }
    [[nodiscard]] bool empty() const { return size_ == 0; }
    std::uint8_t& operator[](std::size_t at) { return bytes_[at]; }
    const std::uint8_t& operator[](std::size_t at) const { return bytes_[at]; }
    std::uint8_t* begin() { return bytes_.get(); }
    std::uint8_t* end() { return bytes_.get() + size_; }
    [[nodiscard]] const std::uint8_t* begin() const { return bytes_.get(); }
    [[nodiscard]] const std::uint8_t* end() const { return bytes_.get() + size_; }

private:
    struct Free {
        void operator()(std::uint8_t* bytes) const { std::free(bytes); }
    };
    std::unique_ptr<std::uint8_t[], Free> bytes_;
    std::size_t size_ = 0;
};

}  // namespace tarnwick
