#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/decoders/behaviour.h"
#include "synth/iff_builder.h"

namespace tarnwick::fixtures {

// A behaviour of a file that others call: the game's global.iff, a
// semi-global file, an object.
struct NamedBehaviour {
    std::uint16_t id;
    std::string label;
    std::vector<Instruction> instructions = {{2, 254, 255, {}}};  // one test that returns
};

// A chunk file of one "BHAV" per behaviour, in the order given, and after them
// a "GLOB" naming `semiGlobal` as a zero-ended string unless that is empty.
[[nodiscard]] Bytes BehaviourFileBytes(const std::vector<NamedBehaviour>& behaviours,
                                       const std::string& semiGlobal = {});

}  // namespace tarnwick::fixtures
