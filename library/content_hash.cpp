#include "library/content_hash.h"

#include <cstring>

namespace tarnwick::library {

namespace {

constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ULL;

std::uint64_t Mix(std::uint64_t hash, std::uint64_t word)
{
    hash ^= word * kMultiplier;
    hash = (hash << 31) | (hash >> 33);
    return hash * 0xBF58476D1CE4E5B9ULL;
}

}  // namespace

std::uint64_t ContentHash(ByteSpan bytes)
{
    std::uint64_t hash = bytes.size() * kMultiplier;
    std::size_t at = 0;
    for (; at + 8 <= bytes.size(); at += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data() + at, 8);
        hash = Mix(hash, word);
    }
    std::uint64_t tail = 0;
    for (std::size_t shift = 0; at < bytes.size(); ++at, shift += 8)
        tail |= std::uint64_t{bytes[at]} << shift;
    hash = Mix(hash, tail);
    // A final avalanche, so that files differing in one byte differ everywhere.
    hash ^= hash >> 32;
    hash *= 0x94D049BB133111EBULL;
    return hash ^ (hash >> 29);
}

}  // namespace tarnwick::library
