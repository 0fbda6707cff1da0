#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/container/byte_string.h"
#include "model/decoders/decoded.h"

namespace tarnwick {

// "BCON": numbers the behaviours of the file read by index.
struct Constants {
    std::uint8_t declaredCount = 0;
    std::uint8_t flags = 0;
    std::vector<std::uint16_t> values;
    std::size_t trailingBytes = 0;
    std::string warning;  // when the count overruns the body
};

// Decodes a "BCON" body; declines one too short for its count and flags.
[[nodiscard]] Decoded<Constants> DecodeConstants(ByteSpan body);

enum class NameForm { Pascal, ZeroEnded };

// "GLOB": the name of the semi-global file whose behaviours the object calls.
struct GlobalName {
    NameForm form = NameForm::ZeroEnded;
    std::string name;               // raw bytes, Windows-1252
    std::size_t trailingBytes = 0;  // after the declared length or the NUL: leftovers, padding
    std::string warning;            // when the name runs past the body
};

// Decodes a "GLOB" body: a Pascal string when the first byte is below '0',
// else a zero-ended one. Declines an empty body.
[[nodiscard]] Decoded<GlobalName> DecodeGlobalName(ByteSpan body);

}  // namespace tarnwick
