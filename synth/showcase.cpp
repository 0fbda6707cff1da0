#include "synth/showcase.h"

#include <algorithm>
#include <cmath>

#include "synth/sprite_builder.h"
#include "synth/text_table_builder.h"

namespace tarnwick::fixtures {

// A towel's catalogue text in eight languages, each in its own code page.
Bytes ShowcaseTextTable()
{
    const std::vector<TextRecord> records = {
        {1, "Bath Towel", "name"},
        {3, "Serviette de bain", ""},
        {4, "Badetuch", ""},
        {16, "\x52\xEA\x63\x7A\x6E\x69\x6B\x20\x6B\xB9\x70\x69\x65\x6C\x6F\x77\x79", ""},
        {15, "\x83\x6F\x83\x58\x83\x5E\x83\x49\x83\x8B", ""},
        {17, "\xD4\xA1\xBD\xED", ""},
        {18, "\xAF\x44\xA4\x79", ""},
        {19, "\xBC\xE9\xD2\xE0\xAA\xE7\xB4\xB5\xD1\xC7", ""},
        {20, "\xB8\xF1\xBF\xE5\x20\xBC\xF6\xB0\xC7", ""},
        {1, "A soft towel for after the bath.", "description"},
        {3, "Une serviette douce.", ""},
        {4, "Ein weiches Handtuch.", ""},
    };
    Bytes body = TextTableBody(TextTableLayout::Languages, records);
    body.insert(body.end(), records.size(), 0xA3);  // the filler real tables end with
    return body;
}

namespace {

// A warm ramp: dark red through orange to pale yellow.
std::vector<std::uint32_t> WarmColours()
{
    std::vector<std::uint32_t> colours;
    for (std::uint32_t i = 0; i < 256; ++i)
        colours.push_back(std::min(255u, 60 + i) << 16 | (i * 3 / 4) << 8 | (i > 192 ? (i - 192) * 2 : 20));
    return colours;
}

// A shaded ball of `size` pixels, nearer and brighter at its middle, with a
// soft half-transparent rim.
SpritePicture Ball(int size, int shift)
{
    SpritePicture ball{size, size, {}, {}, {}};
    const double radius = size / 2.0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double dx = x + 0.5 - radius - shift, dy = y + 0.5 - radius + shift / 2.0;
            const double r = std::sqrt(dx * dx + (y + 0.5 - radius) * (y + 0.5 - radius)) / radius;
            const double light = std::max(0.0, 1.0 - std::sqrt(dx * dx + dy * dy) / (1.6 * radius));
            ball.indices.push_back(r < 1.0 ? static_cast<int>(40 + 215 * light) : -1);
            ball.depth.push_back(static_cast<std::uint8_t>(std::min(255.0, 60 + 190 * r)));
            ball.alpha.push_back(
                static_cast<std::uint8_t>(r < 0.85 ? 31 : std::max(0.0, 31 * (1.0 - r) / 0.15)));
        }
    return ball;
}

}  // namespace

Bytes ShowcasePalette() { return PaletteBody(WarmColours()); }

Bytes ShowcaseSprite2(std::uint32_t paletteId)
{
    std::vector<Bytes> frames;
    for (const int size : {64, 64, 32, 16})
        frames.push_back(Sprite2PictureFrame({0, 0, 7, 0xA3A3, 0, 0, 0}, Ball(size, size / 8)));
    return Sprite2Body(1000, paletteId, frames);
}

Bytes ShowcaseOldSprite(std::uint32_t paletteId)
{
    std::vector<Bytes> frames;
    for (const int size : {48, 24, 12})
        frames.push_back(OldSpriteFrame(Ball(size, 0)));
    return OldSpriteBody(504, paletteId, frames);
}

}  // namespace tarnwick::fixtures
