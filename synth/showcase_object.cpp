#include "synth/showcase_object.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <optional>

#include "model/decoders/draw_group.h"
#include "synth/behaviour_builder.h"
#include "synth/draw_group_builder.h"
#include "synth/object_builder.h"
#include "synth/sprite_builder.h"
#include "synth/text_table_builder.h"

namespace tarnwick::fixtures {

namespace {

constexpr std::uint16_t kPaletteId = 300;
constexpr std::uint16_t kLampId = 300;
constexpr std::uint16_t kTableId = 301;
constexpr std::uint16_t kShadowId = 302;
// Palette ranges.
constexpr int kWood = 0;     // 64 browns, dark to light
constexpr int kShade = 64;   // 64 yellows
constexpr int kMetal = 128;  // 64 greys
constexpr int kBlack = 192;

std::vector<std::uint32_t> ObjectColours()
{
    const auto mix = [](int from, int to, std::size_t step) {
        return static_cast<std::uint32_t>(from + (to - from) * static_cast<int>(step) / 63);
    };
    std::vector<std::uint32_t> colours(256, 0x808080);
    for (std::size_t i = 0; i < 64; ++i) {
        colours[std::size_t{kWood} + i] = mix(60, 205, i) << 16 | mix(34, 142, i) << 8 | mix(20, 88, i);
        colours[std::size_t{kShade} + i] = mix(170, 255, i) << 16 | mix(120, 244, i) << 8 | mix(30, 190, i);
        colours[std::size_t{kMetal} + i] = mix(50, 210, i) * 0x010101;
    }
    colours[kBlack] = 0;
    return colours;
}

struct Pixel {
    int index;
    double depth;
    double alpha = 31;
};

// A part of the object in the near zoom's pixels around the object's anchor:
// its box and what each point of it shows.
struct Part {
    double left, top, right, bottom;
    std::function<std::optional<Pixel>(double x, double y)> shade;
};

// Nearer the viewer is lower on the screen: depth by the floor point's height.
double DepthAt(double floorY) { return std::clamp(128.0 - 2.0 * floorY, 0.0, 250.0); }

int Ramp(int base, double light) { return base + std::clamp(static_cast<int>(63 * light), 0, 63); }

// The part as a frame at 1 / `scale` of the near size, and where its box
// starts in that zoom's pixels.
struct Drawn {
    Bytes frame;
    int left;
    int bottom;
};

Drawn Draw(const Part& part, int scale)
{
    const int left = static_cast<int>(std::floor(part.left / scale));
    const int top = static_cast<int>(std::floor(part.top / scale));
    const int width = static_cast<int>(std::ceil(part.right / scale)) - left;
    const int height = static_cast<int>(std::ceil(part.bottom / scale)) - top;
    SpritePicture picture{width, height, {}, {}, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::optional<Pixel> pixel = part.shade((left + x + 0.5) * scale, (top + y + 0.5) * scale);
            picture.indices.push_back(pixel ? pixel->index : -1);
            picture.depth.push_back(static_cast<std::uint8_t>(pixel ? pixel->depth : 255));
            picture.alpha.push_back(
                static_cast<std::uint8_t>(pixel ? std::clamp(pixel->alpha, 0.0, 31.0) : 0));
        }
    return {Sprite2PictureFrame({0, 0, 7, kPaletteId, 0, 0, 0}, picture), left, top + height};
}

// A square table top on three visible legs, lit from the left.
Part Table()
{
    const auto edge = [](double x) { return -60 + 30 * (1 - std::abs(x) / 60); };  // the top's lower edge
    return {-61, -91, 61, 29, [edge](double x, double y) -> std::optional<Pixel> {
                if (std::abs(x) / 60 + std::abs(y + 60) / 30 <= 1)
                    return Pixel{Ramp(kWood, 0.75 - x / 400 - (y + 60) / 200), DepthAt(y + 60)};
                if (std::abs(x) <= 60 && y > edge(x) && y <= edge(x) + 8)
                    return Pixel{Ramp(kWood, x < 0 ? 0.5 : 0.3), DepthAt(edge(x) + 60) - 1};
                const double legs[][2] = {{-57, 0}, {57, 0}, {0, 27}};  // x and floor y
                for (const auto& leg : legs)
                    if (std::abs(x - leg[0]) <= 3 && y > edge(leg[0]) && y <= leg[1])
                        return Pixel{Ramp(kWood, 0.25 - (x - leg[0]) / 20), DepthAt(leg[1]) - 2};
                return std::nullopt;
            }};
}

// A floor lamp standing at floor point (x, y): base, pole, shade and a soft
// glow below the shade.
Part Lamp(double footX, double footY)
{
    return {footX - 27, footY - 177, footX + 27, footY + 3, [=](double x, double y) -> std::optional<Pixel> {
                const double dx = x - footX, up = footY - y, depth = DepthAt(footY);
                if (up >= 140 && up <= 175) {
                    const double half = 24 - 12 * (up - 140) / 35;
                    if (std::abs(dx) <= half)
                        return Pixel{Ramp(kShade, 0.9 - (dx + half) / (4 * half) - (up - 140) / 120), depth};
                }
                if (up >= 6 && up < 140 && std::abs(dx) <= 2)
                    return Pixel{Ramp(kMetal, 0.6 - dx / 5), depth};
                if (up >= 90 && up < 140 && std::abs(dx) <= 24 * (up - 90) / 50)  // the glow
                    return Pixel{kShade + 63, depth, 12 * (up - 90) / 50};
                if (dx * dx / 196 + (up - 3) * (up - 3) / 25 <= 1)
                    return Pixel{Ramp(kMetal, 0.4 - dx / 40), depth};
                return std::nullopt;
            }};
}

// The table's shadow on the floor, half transparent.
Part Shadow()
{
    return {-72, -36, 72, 36, [](double x, double y) -> std::optional<Pixel> {
                const double inside = std::abs(x) / 72 + std::abs(y) / 36;
                if (inside > 1)
                    return std::nullopt;
                return Pixel{kBlack, DepthAt(y) + 1, 14 * std::min(1.0, 3 * (1 - inside))};
            }};
}

}  // namespace

void AddShowcaseObject(IffBuilder& file)
{
    const Part lamps[] = {Lamp(-40, -20), Lamp(36, 18)};  // behind the table, in front of it
    std::vector<Bytes> lampFrames, tableFrames, shadowFrames;
    std::vector<DrawGroupImage> images;
    for (const std::uint32_t zoom : {3u, 2u, 1u}) {
        const int scale = 1 << (3 - zoom);
        const Drawn behind = Draw(lamps[0], scale), front = Draw(lamps[1], scale);
        const Drawn table = Draw(Table(), scale), shadow = Draw(Shadow(), scale);
        const auto lampFrame = static_cast<std::uint32_t>(lampFrames.size());
        const auto shared = static_cast<std::uint32_t>(tableFrames.size());
        for (const Drawn* drawn : {&behind, &front})
            lampFrames.push_back(drawn->frame);
        tableFrames.push_back(table.frame);
        shadowFrames.push_back(shadow.frame);
        // 0x04 and 0x40 are 0x01 and 0x10 seen from the other side: the same
        // frames mirrored about the anchor.
        for (const std::uint32_t direction : kDrawGroupDirections) {
            const bool mirrored = direction == 0x04 || direction == 0x40;
            const bool lampInFront = direction >= 0x10;
            const Drawn& lamp = lampInFront ? front : behind;
            const auto place = [&](const Drawn& drawn, std::uint32_t spriteId, std::uint32_t frame) {
                const auto width = static_cast<int>(drawn.frame[0] | drawn.frame[1] << 8);
                return DrawGroupSprite{spriteId,
                                       frame,
                                       mirrored ? -(drawn.left + width) : drawn.left,
                                       drawn.bottom,
                                       mirrored ? 1u : 0u,
                                       0,
                                       0,
                                       0};
            };
            images.push_back({direction,
                              zoom,
                              {place(lamp, kLampId, lampFrame + (lampInFront ? 1 : 0)),
                               place(table, kTableId, shared), place(shadow, kShadowId, shared)}});
        }
    }
    file.Chunk("PALT", "Lamp and table", PaletteBody(ObjectColours()), ChunkId(kPaletteId))
        .Chunk("SPR2", "Lamp", Sprite2Body(1000, kPaletteId, lampFrames), ChunkId(kLampId))
        .Chunk("SPR2", "Table", Sprite2Body(1000, kPaletteId, tableFrames), ChunkId(kTableId))
        .Chunk("SPR2", "Shadow", Sprite2Body(1000, kPaletteId, shadowFrames), ChunkId(kShadowId))
        .Chunk("DGRP", "Lamp and table", DrawGroupBody(20004, images), ChunkId(kShowcaseDrawGroupId));
}

void AddShowcaseObjectFile(IffBuilder& file)
{
    AddShowcaseObject(file);
    constexpr std::uint16_t kMain = 4096, kTurnOn = 4097, kTurnOff = 4098, kTreeTable = 200;
    const std::map<std::size_t, std::uint16_t> words = {
        {0, 1},
        {1, kShowcaseDrawGroupId},
        {2, 1},
        {3, kMain},
        {5, kTreeTable},
        {7, 4},
        {9, 0xFFFF},
        {12, 0x4C61},
        {13, 0x6D70},
        {16, 250},
        {32, 180},
        {33, 30},
        {34, 4},
        {36, 40},
        {39, kShowcaseDefinitionId},
        {47, 2},
        {65, 1},
        {80, 0},
        {81, 2},
        {85, 3},
    };
    const Bytes catalogue = TextTableBody(TextTableLayout::Languages,
                                          {{1, "Lamp Table", ""},
                                           {1, "A side table with a floor lamp: light to read by.", ""},
                                           {3, "Table lampe", ""},
                                           {3, "Une table d'appoint et son lampadaire.", ""},
                                           {4, "Lampentisch", ""},
                                           {4, "Ein Beistelltisch mit Stehlampe.", ""}});
    const Bytes menu = TextTableBody(TextTableLayout::Languages, {{1, "Turn On", ""},
                                                                  {1, "Turn Off", ""},
                                                                  {3, "Allumer", ""},
                                                                  {3, "\xC9teindre", ""},
                                                                  {4, "Einschalten", ""},
                                                                  {4, "Ausschalten", ""}});
    const std::vector<Instruction> main = {
        {2, 1, 2, {0x00, 0, 1, 0, 7, 0, 0, 0}},        // primitive 2: compare a local
        {kTurnOn, 3, 254, {}},                         // local call
        {kTurnOff, 3, 254, {}},                        // local call
        {280, 254, 253, {0x02, 0, 0, 0, 0, 0, 0, 0}},  // global call
    };
    const std::vector<Interaction> interactions = {
        {kTurnOn, 0, 0x0002, 0, 1, 0, 40, -1, {{0, 5, 0}}, 0},
        {kTurnOff, 0, 0x0002, 1, 1, 0, 20, -1, {}, 0},
    };
    file.Chunk("OBJD", "Lamp table", ObjectDefinitionBody(138, 106, words), ChunkId(kShowcaseDefinitionId))
        .Chunk("CTSS", "Catalogue", catalogue, ChunkId(kShowcaseDefinitionId))
        .Chunk("BHAV", "Main", BehaviourBody({}, main), ChunkId(kMain))
        .Chunk("BHAV", "Turn on", BehaviourBody({0x8003, 0, 0, 0, 0, -1}, {{4, 254, 255, {}}}),
               ChunkId(kTurnOn))
        .Chunk("BHAV", "Turn off", BehaviourBody({0x8003, 0, 0, 0, 0, -1}, {{4, 254, 255, {}}}),
               ChunkId(kTurnOff))
        .Chunk("TTAB", "Lamp menu", InteractionsBody(9, interactions, true), ChunkId(kTreeTable))
        .Chunk("TTAs", "Lamp menu", menu, ChunkId(kTreeTable))
        .Chunk("BCON", "Tuning", ConstantsBody(0, {40, 20, 0xFFF6}), ChunkId(kMain))
        .Chunk("GLOB", "Semi-global", ToBytes(std::string("LampGlobals\0", 12)),
               ChunkId(kShowcaseDefinitionId))
        .Chunk("FWAV", "Switch", ToBytes(std::string("lamp_click\0", 11)), ChunkId(kShowcaseDefinitionId));
}

}  // namespace tarnwick::fixtures
