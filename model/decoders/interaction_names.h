#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/decoders/interactions.h"

namespace tarnwick {

// An interaction's flags by name, lowest bit first ("visitors, joinable"); a
// bit of no known name as "bit N"; "" for none.
[[nodiscard]] std::string InteractionFlagNames(std::uint32_t flags);

// The motive an interaction's motive entry of this index advertises to
// ("hunger"), or "" when no source names it.
[[nodiscard]] std::string_view MotiveName(std::size_t index);

// The motive entries that change something, by motive: "hunger (6) +25;
// energy (4) -20, minimum 10, personality 2" (minimum and personality from
// version 7 on, where they are set).
[[nodiscard]] std::string MotivesText(const std::vector<MotiveEntry>& motives, std::uint16_t version);

// The attenuation as a modder reads it: the code's name ("medium"), the value
// where the code says "custom" or the version has no code.
[[nodiscard]] std::string AttenuationText(const Interaction& interaction, std::uint16_t version);

}  // namespace tarnwick
