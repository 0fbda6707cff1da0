#include "synth/called_behaviour_files.h"

#include "synth/behaviour_builder.h"
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

}  // namespace tarnwick::fixtures
