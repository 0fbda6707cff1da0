// The replaced operators new and delete, in a file of their own: seen beside
// the standard containers they serve, the compiler would mistake their
// malloc/free pairing for a mismatch.
#include "bench/counting_allocator.h"

#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};

void* Counted(void* block)
{
    if (block == nullptr)
        throw std::bad_alloc();
    const std::size_t live = liveBytes += malloc_usable_size(block);
    std::size_t peak = peakBytes.load();
    while (live > peak && !peakBytes.compare_exchange_weak(peak, live)) {
    }
    return block;
}

void Uncounted(void* block)
{
    if (block != nullptr)
        liveBytes -= malloc_usable_size(block);
    std::free(block);
}

}  // namespace

void* operator new(std::size_t size) { return Counted(std::malloc(std::max<std::size_t>(size, 1))); }
void* operator new[](std::size_t size) { return Counted(std::malloc(std::max<std::size_t>(size, 1))); }
void operator delete(void* block) noexcept { Uncounted(block); }
void operator delete[](void* block) noexcept { Uncounted(block); }
void operator delete(void* block, std::size_t) noexcept { Uncounted(block); }
void operator delete[](void* block, std::size_t) noexcept { Uncounted(block); }

namespace tarnwick::bench {

std::size_t LiveBytes() { return liveBytes.load(); }
std::size_t PeakBytes() { return peakBytes.load(); }
void ResetPeakBytes() { peakBytes = liveBytes.load(); }

}  // namespace tarnwick::bench
