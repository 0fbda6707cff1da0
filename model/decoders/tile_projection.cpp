#include "model/decoders/tile_projection.h"

namespace tarnwick {

TilePlace TilePlaceOfSubIndex(std::uint16_t subIndex)
{
    return {static_cast<std::int8_t>(subIndex >> 8), static_cast<std::int8_t>(subIndex & 0xFF)};
}

std::optional<TilePlace> TurnTile(TilePlace place, std::uint32_t direction)
{
    for (const TileTurn& turn : kTileTurns)
        if (turn.direction == direction)
            return TilePlace{turn.xFromX * place.x + turn.xFromY * place.y,
                             turn.yFromX * place.x + turn.yFromY * place.y};
    return std::nullopt;
}

std::optional<ScreenOffset> TileScreenOffset(TilePlace place, std::uint32_t direction, std::uint32_t zoom)
{
    const std::optional<TilePlace> turned = TurnTile(place, direction);
    if (!turned)
        return std::nullopt;
    for (const TileSize& size : kTileSizes)
        if (size.zoom == zoom)
            return ScreenOffset{(turned->x - turned->y) * size.halfWidth,
                                (turned->x + turned->y) * size.halfHeight};
    return std::nullopt;
}

}  // namespace tarnwick
