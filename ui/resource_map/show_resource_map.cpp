#include "ui/resource_map/show_resource_map.h"

#include "model/decoders/resource_map.h"
#include "ui/resource_map/sections_dialog.h"

namespace tarnwick {

void ShowResourceMap(const OpenFile& openFile, const ChunkInfo& chunk)
{
    const ResourceMap map = ParseResourceMap(chunk.Data.span());
    SectionsDialog form(openFile, map);
    form.exec();
}

}  // namespace tarnwick
