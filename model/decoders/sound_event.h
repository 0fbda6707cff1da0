#pragma once

#include <cstddef>
#include <string>

#include "model/container/byte_string.h"
#include "model/decoders/decoded.h"

namespace tarnwick {

// "FWAV": the name of a sound event that the object's behaviours play, such
// as "pourcoffee".
struct SoundEvent {
    std::string name;               // raw bytes, Windows-1252
    std::size_t trailingBytes = 0;  // after the NUL that ends the name
    std::string warning;            // when no NUL ends it
};

// Decodes a "FWAV" body: a zero-ended name. Declines an empty body.
[[nodiscard]] Decoded<SoundEvent> DecodeSoundEvent(ByteSpan body);

}  // namespace tarnwick
