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

// The demo's: Global.far, with global.iff (global behaviours 256, 280, 281 and
// 300) and the semi-global DemoGlobals.iff (8192 and 8193); and a fountain
// whose "Main" calls global 280, semi-global 8192 and its own "Refill basin",
// which calls semi-global 8193; its "GLOB" names DemoGlobals.
[[nodiscard]] Bytes DemoGlobalArchive();
[[nodiscard]] Bytes DemoFountainFile();

}  // namespace tarnwick::fixtures
