#pragma once

#include <cstdint>
#include <vector>

#include "model/decoders/behaviour.h"
#include "model/decoders/interactions.h"
#include "synth/iff_builder.h"

namespace tarnwick::fixtures {

struct BehaviourHeader {
    std::uint16_t signature = 0x8002;
    std::uint8_t treeType = 0;
    std::uint8_t argumentCount = 0;
    std::uint16_t localCount = 0;  // 8 bits in the 0x8003 form
    std::uint16_t treeVersion = 0;
    std::int64_t declaredCount = -1;  // the number of instructions unless given
};

// A "BHAV" body in the header form its signature names.
[[nodiscard]] Bytes BehaviourBody(const BehaviourHeader& header,
                                  const std::vector<Instruction>& instructions);

// A "TTAB" body of `version` (9 and 10 with their encoding byte), each field
// plain or bit-packed in the narrowest width that holds it.
[[nodiscard]] Bytes InteractionsBody(std::uint16_t version, const std::vector<Interaction>& interactions,
                                     bool bitPacked = false);

// A "BCON" body; the count says `declaredCount` when given.
[[nodiscard]] Bytes ConstantsBody(std::uint8_t flags, const std::vector<std::uint16_t>& values,
                                  int declaredCount = -1);

}  // namespace tarnwick::fixtures
