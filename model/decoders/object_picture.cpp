#include "model/decoders/object_picture.h"

#include <algorithm>
#include <map>

#include "model/container/chunk_lookup.h"
#include "model/container/chunk_summary.h"
#include "model/container/chunk_types.h"
#include "model/decoders/linked_chunks.h"

namespace tarnwick {

namespace {

std::string Hex(std::uint32_t value)
{
    static const char kDigits[] = "0123456789abcdef";
    return std::string("0x") + kDigits[value >> 4 & 0xF] + kDigits[value & 0xF];
}

std::string TileName(TilePlace place)
{
    return "Tile (" + std::to_string(place.x) + ", " + std::to_string(place.y) + ")";
}

// Why a view draws nothing, or "" when it draws something.
std::string WhyBlank(const std::optional<Decoded<Composite>>& view)
{
    if (!view)
        return "there is no image of it at the near zoom.";
    if (!view->value)
        return view->declined;
    if (view->value->width > 0 && view->value->height > 0)
        return {};
    if (!view->value->warnings.empty())
        return view->value->warnings.front() + ".";
    return "its image places no sprite that shows.";
}

}  // namespace

bool IsTileGroupMaster(const ObjectDefinition& definition)
{
    return definition.Word(object_word::kMasterId).value_or(0) != 0 &&
           definition.Word(object_word::kSubIndex) == kMasterSubIndex;
}

ObjectTiles FindObjectTiles(const ChunkTable& chunks, std::uint16_t masterId)
{
    ObjectTiles found;
    if (masterId == 0)
        return found;
    std::size_t count = 0;
    for (ChunkNumber number = 1; number <= chunks.Count(); ++number) {
        const ChunkInfo& chunk = *chunks.Find(number);
        if (chunk.Type != chunk_type::kObjectDefinition)
            continue;
        const Decoded<ObjectDefinition> definition = DecodeObjectDefinition(ChunkBody(chunk));
        if (!definition.value || definition.value->Word(object_word::kMasterId) != masterId)
            continue;
        const std::optional<std::uint16_t> subIndex = definition.value->Word(object_word::kSubIndex);
        if (!subIndex || *subIndex == kMasterSubIndex)
            continue;
        if (++count > kMaxObjectTiles)
            continue;  // counted for the refusal, not kept
        found.tiles.push_back({number, *subIndex, TilePlaceOfSubIndex(*subIndex),
                               definition.value->Word(object_word::kBaseGraphic).value_or(0)});
    }
    if (count > kMaxObjectTiles) {
        found.tiles.clear();
        found.refused = "The object has " + std::to_string(count) + " tiles, more than " +
                        std::to_string(kMaxObjectTiles) + ": it is not drawn.";
    }
    return found;
}

ObjectViews ComposeObjectViews(const ObjectTiles& tiles, const ChunkTable& chunks)
{
    ObjectViews result;
    if (!tiles.refused.empty())
        result.notes.push_back(tiles.refused);
    // Each draw group read once, however many tiles share it.
    std::map<std::uint16_t, std::optional<DrawGroup>> groups;
    for (const ObjectTile& tile : tiles.tiles) {
        if (groups.contains(tile.drawGroupId))
            continue;
        std::optional<DrawGroup>& group = groups[tile.drawGroupId];
        std::optional<Decoded<DrawGroup>> decoded =
            DecodeLinked(chunks, chunk_type::kDrawGroup, tile.drawGroupId, DecodeDrawGroup);
        const std::string which = ChunkName(chunk_type::kDrawGroup, tile.drawGroupId);
        if (!decoded)
            result.notes.push_back(TileName(tile.place) + ": the file has no " + which + ".");
        else if (!decoded->value)
            result.notes.push_back(TileName(tile.place) + ": " + which + ": " + decoded->declined);
        else
            group = std::move(decoded->value);
    }
    DrawGroupCompositor compositor(chunks);
    for (const std::uint32_t zoom : kZoomsNearFirst)
        for (const std::uint32_t direction : kDrawGroupDirections) {
            std::vector<std::pair<int, ShiftedImage>> placed;  // by depth into the screen
            for (const ObjectTile& tile : tiles.tiles) {
                const std::optional<DrawGroup>& group = groups[tile.drawGroupId];
                const std::optional<std::size_t> image =
                    group ? FindImage(*group, direction, zoom) : std::nullopt;
                const std::optional<TilePlace> turned = TurnTile(tile.place, direction);
                const std::optional<ScreenOffset> offset = TileScreenOffset(tile.place, direction, zoom);
                if (!image || !turned || !offset)
                    continue;
                placed.push_back({turned->x + turned->y,
                                  {&group->images[*image], offset->x, offset->y, TileName(tile.place)}});
            }
            if (placed.empty()) {
                result.views.emplace_back();
                continue;
            }
            // Farther back first, so that frames without depth are covered by those in front.
            std::stable_sort(placed.begin(), placed.end(),
                             [](const auto& a, const auto& b) { return a.first < b.first; });
            std::vector<ShiftedImage> images;
            images.reserve(placed.size());
            for (auto& [depth, image] : placed)
                images.push_back(std::move(image));
            result.views.emplace_back(compositor.Compose(images));
        }
    return result;
}

CataloguePicture ChooseCataloguePicture(const std::vector<std::optional<Decoded<Composite>>>& views)
{
    CataloguePicture chosen;
    for (std::size_t rotation = 0; rotation < std::size(kDrawGroupDirections); ++rotation) {
        const std::uint32_t direction = kDrawGroupDirections[rotation];
        const std::optional<Decoded<Composite>> none;
        const std::optional<Decoded<Composite>>& view = rotation < views.size() ? views[rotation] : none;
        const std::string why = WhyBlank(view);
        if (why.empty()) {
            chosen.picture = view->value;
            chosen.direction = direction;
            if (!chosen.notes.empty())
                chosen.notes.push_back("The picture shows rotation " + Hex(direction) + ".");
            return chosen;
        }
        chosen.notes.push_back("Rotation " + Hex(direction) + " draws nothing: " + why);
    }
    return chosen;
}

CataloguePicture ComposeDrawGroupPicture(const ChunkTable& chunks, std::uint32_t drawGroupId)
{
    const std::optional<Decoded<DrawGroup>> group =
        DecodeLinked(chunks, chunk_type::kDrawGroup, drawGroupId, DecodeDrawGroup);
    const std::string which = ChunkName(chunk_type::kDrawGroup, drawGroupId);
    CataloguePicture none;
    if (!group)
        none.notes.push_back("The file has no " + which + ".");
    else if (!group->value)
        none.notes.push_back(which + ": " + group->declined);
    if (!group || !group->value)
        return none;
    return ChooseCataloguePicture(ComposeViews(*group->value, chunks));
}

CataloguePicture ComposeObjectPicture(const ChunkTable& chunks, const ObjectDefinition& definition)
{
    if (IsTileGroupMaster(definition)) {
        const ObjectTiles tiles = FindObjectTiles(chunks, *definition.Word(object_word::kMasterId));
        if (!tiles.tiles.empty() || !tiles.refused.empty()) {
            ObjectViews views = ComposeObjectViews(tiles, chunks);
            CataloguePicture picture = ChooseCataloguePicture(views.views);
            picture.notes.insert(picture.notes.begin(), views.notes.begin(), views.notes.end());
            return picture;
        }
    }
    return ComposeDrawGroupPicture(chunks, definition.Word(object_word::kBaseGraphic).value_or(0));
}

CataloguePicture ComposeListedObjectPicture(const ChunkTable& chunks, ChunkNumber definition,
                                            std::uint16_t objdId)
{
    const ChunkInfo* chunk = chunks.Find(definition);
    if (chunk == nullptr || chunk->Type != chunk_type::kObjectDefinition || chunk->Id != objdId)
        chunk = chunks.Find(FindChunk(chunks, chunk_type::kObjectDefinition, objdId));
    CataloguePicture none;
    if (chunk == nullptr) {
        none.notes.push_back("The file has no " + ChunkName(chunk_type::kObjectDefinition, objdId) + ".");
        return none;
    }
    const Decoded<ObjectDefinition> decoded = DecodeObjectDefinition(ChunkBody(*chunk));
    if (!decoded.value) {
        none.notes.push_back(ChunkName(chunk_type::kObjectDefinition, objdId) + ": " + decoded.declined);
        return none;
    }
    return ComposeObjectPicture(chunks, *decoded.value);
}

}  // namespace tarnwick
