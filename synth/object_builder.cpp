#include "synth/object_builder.h"

namespace tarnwick::fixtures {

Bytes ObjectDefinitionBody(std::uint32_t version, std::size_t wordCount,
                           const std::map<std::size_t, std::uint16_t>& words)
{
    Bytes body;
    for (int shift = 0; shift < 32; shift += 8)
        body.push_back(static_cast<std::uint8_t>(version >> shift));
    for (std::size_t word = 0; word < wordCount; ++word) {
        const auto found = words.find(word);
        const std::uint16_t value = found == words.end() ? 0 : found->second;
        body.push_back(static_cast<std::uint8_t>(value));
        body.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    return body;
}

}  // namespace tarnwick::fixtures
