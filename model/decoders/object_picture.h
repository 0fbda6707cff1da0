#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/container/chunk_table.h"
#include "model/decoders/decoded.h"
#include "model/decoders/draw_group_composite.h"
#include "model/decoders/object_definition.h"
#include "model/decoders/tile_projection.h"

namespace tarnwick {

// A group of more tiles than this is not drawn: no real object comes near.
inline constexpr std::size_t kMaxObjectTiles = 1024;
inline constexpr std::uint16_t kMasterSubIndex = 0xFFFF;

// Whether the definition leads a multi-tile group: a master ID, sub-index -1.
[[nodiscard]] bool IsTileGroupMaster(const ObjectDefinition& definition);

// One tile of a multi-tile object: a definition of its own with its own
// draw group.
struct ObjectTile {
    ChunkNumber definition = 0;  // its OBJD
    std::uint16_t subIndex = 0;
    TilePlace place;
    std::uint16_t drawGroupId = 0;  // its base graphic
};

struct ObjectTiles {
    std::vector<ObjectTile> tiles;  // in the file's order
    std::string refused;            // why there are none to draw, when there are too many
};

// The tiles of group `masterId`: the file's definitions with that master ID
// and a sub-index other than -1.
[[nodiscard]] ObjectTiles FindObjectTiles(const ChunkTable& chunks, std::uint16_t masterId);

// Twelve views as ComposeViews gives them, of the whole object: in each
// rotation and zoom, every tile's image of it with its entries shifted by
// the tile's screen offset, in one canvas with one depth buffer, the tiles
// farther back first. Nothing where no tile has such an image.
struct ObjectViews {
    std::vector<std::optional<Decoded<Composite>>> views;
    std::vector<std::string> notes;  // tiles whose draw group is absent or unreadable
};
[[nodiscard]] ObjectViews ComposeObjectViews(const ObjectTiles& tiles, const ChunkTable& chunks);

// An object's picture as the catalogue shows it: the near zoom in rotation
// 0x01, or in the first rotation after it that draws something, with a line
// for each rotation passed over: "Rotation 0x01 draws nothing: ...".
struct CataloguePicture {
    std::optional<Composite> picture;
    std::uint32_t direction = 0;  // the rotation shown
    std::vector<std::string> notes;
};

// From a view list as ComposeViews or ComposeObjectViews give it.
[[nodiscard]] CataloguePicture ChooseCataloguePicture(
    const std::vector<std::optional<Decoded<Composite>>>& views);
// Draw group `drawGroupId` alone.
[[nodiscard]] CataloguePicture ComposeDrawGroupPicture(const ChunkTable& chunks, std::uint32_t drawGroupId);
// The object the definition names: a multi-tile group's master is its tiles
// put together, any other definition its base graphic.
[[nodiscard]] CataloguePicture ComposeObjectPicture(const ChunkTable& chunks,
                                                    const ObjectDefinition& definition);
// The object a list names by its definition's chunk number and ID: chunk
// `definition` when it is the OBJD with that ID, else the file's first OBJD
// with it (the file changed since it was listed). Nothing, with a note, when
// the file has no such definition or it cannot be read.
[[nodiscard]] CataloguePicture ComposeListedObjectPicture(const ChunkTable& chunks, ChunkNumber definition,
                                                          std::uint16_t objdId);

}  // namespace tarnwick
