#pragma once

#include <cstdint>
#include <optional>

namespace tarnwick {

// Where a tile of a multi-tile object stands, in tiles from the object's
// first tile: its definition's sub-index, high byte x and low byte y, each
// signed.
struct TilePlace {
    int x = 0;
    int y = 0;

    friend bool operator==(const TilePlace&, const TilePlace&) = default;
};

[[nodiscard]] TilePlace TilePlaceOfSubIndex(std::uint16_t subIndex);

// How a rotation turns the tile grid: the turned place is
// (X, Y) = (xFromX * x + xFromY * y, yFromX * x + yFromY * y).
struct TileTurn {
    std::uint32_t direction;
    int xFromX, xFromY;
    int yFromX, yFromY;
};

// Rotation 0x01 keeps (x, y); 0x04 makes it (-y, x); 0x10 (-x, -y); 0x40 (y, -x).
inline constexpr TileTurn kTileTurns[] = {
    {0x01, 1, 0, 0, 1},
    {0x04, 0, -1, 1, 0},
    {0x10, -1, 0, 0, -1},
    {0x40, 0, 1, -1, 0},
};

// A tile's half width and half height on the screen at a zoom: 128 x 64
// pixels near, halved at the middle zoom and quartered far.
struct TileSize {
    std::uint32_t zoom;
    int halfWidth;
    int halfHeight;
};

inline constexpr TileSize kTileSizes[] = {
    {3, 64, 32},
    {2, 32, 16},
    {1, 16, 8},
};

// Pixels on the screen, added to each draw group entry's x and y.
struct ScreenOffset {
    int x = 0;
    int y = 0;

    friend bool operator==(const ScreenOffset&, const ScreenOffset&) = default;
};

// The place turned for `direction`.
[[nodiscard]] std::optional<TilePlace> TurnTile(TilePlace place, std::uint32_t direction);

// Where the tile's picture is drawn relative to the first tile's, in the
// rotation and zoom: ((X - Y) * half width, (X + Y) * half height) of the
// turned place. Nothing for a rotation or zoom the game does not draw.
[[nodiscard]] std::optional<ScreenOffset> TileScreenOffset(TilePlace place, std::uint32_t direction,
                                                           std::uint32_t zoom);

}  // namespace tarnwick
