#include "synth/called_behaviour_files.h"

#include "synth/behaviour_builder.h"
#include "synth/far_builder.h"
#include "synth/sprite_builder.h"

namespace tarnwick::fixtures {

Bytes BehaviourFileBytes(const std::vector<NamedBehaviour>& behaviours, const std::string& semiGlobal)
{
    IffBuilder file;
    file.Header("IFF FILE 2.5:TYPE FOLLOWED BY SIZE", 0);
    for (const NamedBehaviour& behaviour : behaviours)
        file.Chunk("BHAV", behaviour.label, BehaviourBody({}, behaviour.instructions), ChunkId(behaviour.id));
    if (!semiGlobal.empty())
        file.Chunk("GLOB", "Semi-global", Concat({ToBytes(semiGlobal), {0}}), ChunkId(128));
    return file.Build();
}

Bytes DemoGlobalArchive()
{
    return FarBuilder()
        .Member("global.iff",
                BehaviourFileBytes(
                    {{256, "Wait for notify"}, {280, "Idle"}, {281, "Wander"}, {300, "Look around"}}))
        .Member("DemoGlobals.iff", BehaviourFileBytes({{8192, "Splash"}, {8193, "Fill basin"}}))
        .Build();
}

Bytes DemoFountainFile()
{
    const std::array<std::uint8_t, 8> temps = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    return BehaviourFileBytes(
        {{4096,
          "Main",
          {{280, 1, 254, temps}, {8192, 2, 255, {1, 0, 0, 0, 0, 0, 0, 0}}, {4097, 254, 255, temps}}},
         {4097, "Refill basin", {{8193, 254, 255, {}}}}},
        "DemoGlobals");
}

}  // namespace tarnwick::fixtures
