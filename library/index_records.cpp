#include "library/index_records.h"

namespace tarnwick::library {

const CatalogueName* NameIn(const ObjectRecord& object, int language)
{
    const CatalogueName* chosen = nullptr;
    const auto rank = [language](const CatalogueName& name) {
        return name.language == language ? 2 : name.language == 1 ? 1 : 0;
    };
    for (const CatalogueName& name : object.names)
        if (chosen == nullptr || rank(name) > rank(*chosen))
            chosen = &name;
    return chosen;
}

}  // namespace tarnwick::library
