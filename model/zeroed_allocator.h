#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>
#include <type_traits>
#include <utility>

namespace tarnwick {

// An allocator for vectors of plain values that takes its memory zeroed from
// calloc and leaves value-initialised elements as they come. Large blocks come
// straight from the system already zeroed, so a big frame of few drawn pixels
// costs only the pages that are drawn on, not a fill of the whole frame.
template <class T>
struct ZeroedAllocator {
    static_assert(std::is_trivially_default_constructible_v<T>, "zero bytes must be a valid value");
    using value_type = T;

    ZeroedAllocator() = default;
    template <class U>
    explicit ZeroedAllocator(const ZeroedAllocator<U>& /*other*/)
    {
    }

    [[nodiscard]] T* allocate(std::size_t count)
    {
        if (void* memory = std::calloc(count, sizeof(T)))
            return static_cast<T*>(memory);
        throw std::bad_alloc();
    }
    void deallocate(T* memory, std::size_t /*count*/) { std::free(memory); }

    // A value-initialised element: its bytes are already zero.
    template <class U>
    void construct(U* /*at*/) noexcept
    {
    }
    template <class U, class... Args>
    void construct(U* at, Args&&... args)
    {
        ::new (static_cast<void*>(at)) U(std::forward<Args>(args)...);
    }

    friend bool operator==(const ZeroedAllocator& /*a*/, const ZeroedAllocator& /*b*/) { return true; }
};

}  // namespace tarnwick
