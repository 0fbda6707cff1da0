#include "ui/resource_map/show_resource_map.h"

#include "model/resource_map.h"
#include "ui/resource_map/sections_dialog.h"

namespace tarnwick {

bool ShowResourceMap(OpenFile& openFile, const ChunkInfo& chunk)
{
    ResourceMap map = ParseResourceMap(chunk.Data.span());
    openFile.Sections = std::move(map.Sections);
    SectionsDialog form(openFile);
    form.SetTypes(std::move(map.Types));
    form.exec();
    return true;
}

}  // namespace tarnwick
