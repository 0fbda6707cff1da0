#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/container/byte_string.h"
#include "model/decoders/decoded.h"

namespace tarnwick {

// The first version whose motive entries hold an attenuation code, a minimum
// and a personality.
inline constexpr std::uint16_t kFirstLongInteractionsVersion = 7;

// How a table's fields are written: each at its stated width, or each as a
// flag bit, a width code and that many bits (versions 9 and 10 may be either).
enum class InteractionEncoding { Plain, BitPacked };

// What an interaction does to one motive of a Sim.
struct MotiveEntry {
    std::int16_t minimum = 0;  // versions above 6
    std::int16_t delta = 0;
    std::uint16_t personality = 0;  // versions above 6

    bool operator==(const MotiveEntry&) const = default;
};

// One entry of a pie menu: the behaviour it runs, the one that tests whether
// it is offered, and its text's number in the "TTAs" of the same ID.
struct Interaction {
    std::uint16_t actionId = 0;
    std::uint16_t testId = 0;
    std::uint32_t flags = 0;
    std::uint32_t textIndex = 0;
    std::uint32_t attenuationCode = 0;  // versions above 6: 0 custom, 1 none, 2 low, 3 medium, 4 high
    std::uint32_t attenuationBits = 0;  // the custom value's 32 bits: a float, often junk
    std::uint32_t autonomy = 0;
    std::int32_t joiningIndex = 0;
    std::vector<MotiveEntry> motives;
    std::uint32_t moreFlags = 0;  // version 10

    bool operator==(const Interaction&) const = default;
};

struct InteractionTable {
    std::uint16_t version = 0;  // 0 for a table of no interactions, which stops before it
    InteractionEncoding encoding = InteractionEncoding::Plain;
    std::vector<Interaction> interactions;
    std::size_t bitsPastTheEnd = 0;  // bit-packed fields may end a few bits past the last byte
    std::size_t trailingBytes = 0;
    std::string warning;  // where the interactions stop before the declared count
};

// Decodes a "TTAB" body: versions 4 and up, plain or bit-packed. Declines
// older versions and a header cut short; keeps the interactions read before
// the data runs out.
[[nodiscard]] Decoded<InteractionTable> DecodeInteractions(ByteSpan body);

// "custom", "none", "low", "medium", "high", or "" for another code.
[[nodiscard]] const char* AttenuationName(std::uint32_t code);

// The custom attenuation value as the float its bits are.
[[nodiscard]] float AttenuationValue(const Interaction& interaction);

}  // namespace tarnwick
