#include "ui/resource_map/show_resource_map.h"

#include "ui/resource_map/sections_dialog.h"
#include "model/resource_map.h"

namespace tarnwick {

bool ShowResourceMap(Module1& module, const ChunkInfo& chunk)
{
    ResourceMap map = ParseResourceMap(chunk.Data.span());
    module.Sections = std::move(map.Sections);
    Form3 form(module);
    form.SetTypes(std::move(map.Types));
    form.exec();
    return true;
}

}  // namespace tarnwick
