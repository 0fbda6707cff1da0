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

// The picture of the first rotation at the near zoom that draws something,
// with a line for each passed over; views are made only as far as needed.
template <typename ViewOfRotation>
CataloguePicture ChooseFirstDrawn(const ViewOfRotation& viewOf)
{
    CataloguePicture chosen;
    for (std::size_t rotation = 0; rotation < std::size(kDrawGroupDirections); ++rotation) {
        const std::uint32_t direction = kDrawGroupDirections[rotation];
        std::optional<Decoded<Composite>> view = viewOf(rotation);
        const std::string why = WhyBlank(view);
        if (why.empty()) {
            chosen.picture = std::move(view->value);
            chosen.direction = direction;
            if (!chosen.notes.empty())
                chosen.notes.push_back("The picture shows rotation " + Hex(direction) + ".");
            return chosen;
        }
        chosen.notes.push_back("Rotation " + Hex(direction) + " draws nothing: " + why);
    }
    return chosen;
}

// Each tile's draw group, read once however many tiles share it; a line in
// `notes` for each that is absent or unreadable.
using TileDrawGroups = std::map<std::uint16_t, std::optional<DrawGroup>>;

TileDrawGroups ReadTileDrawGroups(const ObjectTiles& tiles, const ChunkTable& chunks,
                                  std::vector<std::string>& notes)
{
    if (!tiles.refused.empty())
        notes.push_back(tiles.refused);
    TileDrawGroups groups;
    for (const ObjectTile& tile : tiles.tiles) {
        if (groups.contains(tile.drawGroupId))
            continue;
        std::optional<DrawGroup>& group = groups[tile.drawGroupId];
        std::optional<Decoded<DrawGroup>> decoded =
            DecodeLinked(chunks, chunk_type::kDrawGroup, tile.drawGroupId, DecodeDrawGroup);
        const std::string which = ChunkName(chunk_type::kDrawGroup, tile.drawGroupId);
        if (!decoded)
            notes.push_back(TileName(tile.place) + ": the file has no " + which + ".");
        else if (!decoded->value)
            notes.push_back(TileName(tile.place) + ": " + which + ": " + decoded->declined);
        else
            group = std::move(decoded->value);
    }
    return groups;
}

// The whole object in one rotation and zoom: every tile's image of it shifted
// by the tile's screen offset, the tiles farther back first. Nothing where no
// tile has such an image.
std::optional<Decoded<Composite>> ComposeTiledView(const ObjectTiles& tiles, const TileDrawGroups& groups,
                                                   DrawGroupCompositor& compositor, std::uint32_t zoom,
                                                   std::uint32_t direction)
{
    std::vector<std::pair<int, ShiftedImage>> placed;  // by depth into the screen
    for (const ObjectTile& tile : tiles.tiles) {
        const std::optional<DrawGroup>& group = groups.at(tile.drawGroupId);
        const std::optional<std::size_t> image = group ? FindImage(*group, direction, zoom) : std::nullopt;
        const std::optional<TilePlace> turned = TurnTile(tile.place, direction);
        const std::optional<ScreenOffset> offset = TileScreenOffset(tile.place, direction, zoom);
        if (!image || !turned || !offset)
            continue;
        placed.push_back(
            {turned->x + turned->y, {&group->images[*image], offset->x, offset->y, TileName(tile.place)}});
    }
    if (placed.empty())
        return std::nullopt;
    // Farther back first, so that frames without depth are covered by those in front.
    std::stable_sort(placed.begin(), placed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<ShiftedImage> images;
    images.reserve(placed.size());
    for (auto& [depth, image] : placed)
        images.push_back(std::move(image));
    return compositor.Compose(images);
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
    const TileDrawGroups groups = ReadTileDrawGroups(tiles, chunks, result.notes);
    DrawGroupCompositor compositor(chunks);
    for (const std::uint32_t zoom : kZoomsNearFirst)
        for (const std::uint32_t direction : kDrawGroupDirections)
            result.views.push_back(ComposeTiledView(tiles, groups, compositor, zoom, direction));
    return result;
}

CataloguePicture ChooseCataloguePicture(const std::vector<std::optional<Decoded<Composite>>>& views)
{
    return ChooseFirstDrawn(
        [&views](std::size_t rotation) { return rotation < views.size() ? views[rotation] : std::nullopt; });
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
    DrawGroupCompositor compositor(chunks);
    return ChooseFirstDrawn([&](std::size_t rotation) -> std::optional<Decoded<Composite>> {
        const std::optional<std::size_t> image =
            FindImage(*group->value, kDrawGroupDirections[rotation], kZoomsNearFirst[0]);
        if (!image)
            return std::nullopt;
        return compositor.Compose(group->value->images[*image]);
    });
}

CataloguePicture ComposeObjectPicture(const ChunkTable& chunks, const ObjectDefinition& definition)
{
    if (IsTileGroupMaster(definition)) {
        const ObjectTiles tiles = FindObjectTiles(chunks, *definition.Word(object_word::kMasterId));
        if (!tiles.tiles.empty() || !tiles.refused.empty()) {
            std::vector<std::string> notes;
            const TileDrawGroups groups = ReadTileDrawGroups(tiles, chunks, notes);
            DrawGroupCompositor compositor(chunks);
            CataloguePicture picture = ChooseFirstDrawn([&](std::size_t rotation) {
                return ComposeTiledView(tiles, groups, compositor, kZoomsNearFirst[0],
                                        kDrawGroupDirections[rotation]);
            });
            picture.notes.insert(picture.notes.begin(), notes.begin(), notes.end());
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
