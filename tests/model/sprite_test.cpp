#include "model/decoders/sprite.h"

#include <gtest/gtest.h>

#include <cmath>

#include "synth/sprite_builder.h"
#include "tests/support/case_name.h"

namespace tarnwick {
namespace {

using fixtures::Bytes;
using fixtures::Concat;
using fixtures::Sprite2Command;
using fixtures::Sprite2FrameHeader;
using fixtures::SpritePicture;

// A picture from rows of characters: '.' transparent, '0'-'9' and 'a'-'z' an
// index (a = 10). Depth is 10 * x + y, alpha 31 except at 'a' (alpha 10).
SpritePicture Picture(std::vector<std::string> rows)
{
    SpritePicture picture{
        rows.empty() ? 0 : static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), {}, {}, {}};
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (std::size_t x = 0; x < rows[y].size(); ++x) {
            const char c = rows[y][x];
            picture.indices.push_back(c == '.' ? -1 : c <= '9' ? c - '0' : c - 'a' + 10);
            picture.depth.push_back(static_cast<std::uint8_t>(10 * x + y));
            picture.alpha.push_back(c == 'a' ? 10 : 31);
        }
    return picture;
}

const SpritePicture kShape = Picture({"..12", "....", "3333", "4.56", "7..."});

// A 5-bit alpha as an opacity of 0-255, the nearest step.
int Opacity(int alpha) { return static_cast<int>(std::lround(alpha * 255.0 / 31.0)); }

// Checks the frame shows the picture: index and opacity of every pixel, and
// depth where the frame has it.
void ExpectShows(const SpriteFrame& frame, const SpritePicture& picture, const std::string& name)
{
    ASSERT_EQ(frame.width, picture.width) << name;
    ASSERT_EQ(frame.height, picture.height) << name;
    EXPECT_EQ(frame.problem, "") << name;
    for (std::size_t i = 0; i < picture.indices.size(); ++i) {
        const bool drawn = picture.indices[i] >= 0;
        const int opacity = !drawn ? 0 : frame.HasAlpha() ? Opacity(picture.alpha[i]) : 255;
        EXPECT_EQ(frame.opacity[i], opacity) << name << " pixel " << i;
        if (drawn) {
            EXPECT_EQ(frame.indices[i], picture.indices[i]) << name << " pixel " << i;
        }
        if (frame.HasDepth()) {
            EXPECT_EQ(frame.depth[i], drawn ? picture.depth[i] : 255) << name << " pixel " << i;
        }
    }
}

std::size_t DrawnPixels(const SpriteFrame& frame)
{
    std::size_t drawn = 0;
    for (std::size_t i = 0; i < frame.opacity.size(); ++i)
        drawn += frame.opacity[i] != 0;
    return drawn;
}

TEST(DecodeOldSprite, DrawsEachVersionAndByteOrder)
{
    const Bytes frame = fixtures::OldSpriteFrame(kShape);
    const Bytes big = fixtures::OldSpriteFrame(kShape, true);
    const struct {
        const char* name;
        Bytes body;
        bool bigEndian = false;
    } rows[] = {
        {"504, little-endian", fixtures::OldSpriteBody(504, 7, {frame, frame})},
        {"502, big-endian", fixtures::OldSpriteBody(502, 7, {big, big}, true), true},
        {"1001, frames back to back without an offset table",
         fixtures::OldSpriteBody(1001, 7, {frame, frame})},
    };
    for (const auto& row : rows) {
        const Decoded<Sprite> sprite = DecodeOldSprite(row.body);
        ASSERT_TRUE(sprite.value) << row.name << ": " << sprite.declined;
        EXPECT_EQ(sprite.value->paletteId, 7u) << row.name;
        EXPECT_EQ(sprite.value->bigEndian, row.bigEndian) << row.name;
        ASSERT_EQ(sprite.value->frames.size(), 2u) << row.name;
        for (const SpriteFrame& decoded : sprite.value->frames)
            ExpectShows(decoded, kShape, row.name);
    }
}

TEST(DecodeOldSprite, StopsAtTheEndOfEachCommand)
{
    const Bytes header = fixtures::OldSpriteFrameHeader(4, 3);
    const Bytes row = {0x04, 0x06, 0x02, 0x02, 0x09, 0x00};  // two pixels of index 9
    const struct {
        const char* name;
        Bytes commands;
        std::size_t rows;  // rows drawn before the problem, if any
        bool problem;
    } rows[] = {
        {"both start markers, then an end", Concat({{0x00, 0x10, 0x10, 0x00}, row, {0x05, 0x00}}), 1, false},
        {"the end command cut to one byte", Concat({row, {0x05}}), 1, true},
        {"no end command", row, 1, true},
        {"a row record past the data", Concat({row, {0x04, 0x08, 0x01, 0x02}}), 1, true},
        {"a row record shorter than its command", Concat({row, {0x04, 0x01, 0x05, 0x00}}), 1, true},
        {"a run of one index without its pad byte", Concat({row, {0x04, 0x05, 0x02, 0x01, 0x09, 0x05, 0x00}}),
         1, true},
        {"a run of indexes past its record", Concat({row, {0x04, 0x05, 0x03, 0x02, 0x01, 0x05, 0x00}}), 1,
         true},
        {"an unknown pixel command", Concat({row, {0x04, 0x04, 0x07, 0x01, 0x05, 0x00}}), 1, true},
        {"an unknown row command", Concat({row, {0x08, 0x00}}), 1, true},
        {"rows past the height are clipped", Concat({{0x09, 0x02}, row, row, {0x05, 0x00}}), 1, true},
    };
    for (const auto& r : rows) {
        const Decoded<Sprite> sprite =
            DecodeOldSprite(fixtures::OldSpriteBody(504, 0, {Concat({header, r.commands})}));
        ASSERT_TRUE(sprite.value) << r.name;
        const SpriteFrame& frame = sprite.value->frames.at(0);
        EXPECT_EQ(!frame.problem.empty(), r.problem) << r.name << ": " << frame.problem;
        const std::size_t drawn = DrawnPixels(frame);
        EXPECT_EQ(drawn, 2 * r.rows) << r.name;
    }
}

TEST(DecodeSprite2, DrawsEachChannelAndVersion)
{
    const SpritePicture shape = Picture({"a.12", "....", "3333", "4.56"});
    for (const std::uint32_t flags : {1u, 3u, 7u})
        for (const std::uint32_t version : {1000u, 1001u}) {
            const std::string name =
                "flags " + std::to_string(flags) + ", version " + std::to_string(version);
            const Bytes frame =
                fixtures::Sprite2PictureFrame(Sprite2FrameHeader{0, 0, flags, 3, 9, -5, 6}, shape);
            const Decoded<Sprite> sprite = DecodeSprite2(fixtures::Sprite2Body(version, 12, {frame, frame}));
            ASSERT_TRUE(sprite.value) << name << ": " << sprite.declined;
            EXPECT_EQ(sprite.value->paletteId, 12u) << name;
            ASSERT_EQ(sprite.value->frames.size(), 2u) << name;
            const SpriteFrame& decoded = sprite.value->frames[1];
            EXPECT_EQ(decoded.depth.empty(), (flags & 2) == 0) << name;
            EXPECT_EQ(decoded.indices[1], 9) << name << ": untouched pixels hold the transparent index";
            EXPECT_EQ(std::make_tuple(decoded.x, decoded.y, decoded.paletteId), std::make_tuple(6, -5, 3))
                << name;
            ExpectShows(decoded, shape, name);
        }
}

TEST(DecodeSprite2, EndsEachFrameAtItsData)
{
    const Sprite2FrameHeader header{2, 2, 7, 0, 0, 0, 0};
    // One pixel with alpha and its pad byte, then one of colour alone with its pad.
    const Bytes row =
        Concat({Sprite2Command(0, 12), Sprite2Command(2, 1), {4, 1, 31, 0}, Sprite2Command(6, 1), {2, 0}});
    const struct {
        const char* name;
        Bytes commands;
        bool problem;
        std::size_t drawn;
    } rows[] = {
        {"a row, then the end", Concat({row, Sprite2Command(5, 0)}), false, 2},
        {"no end command", row, true, 2},
        {"half an end command", Concat({row, {0x00}}), true, 2},
        {"a row record past the frame", Concat({row, Sprite2Command(0, 40)}), true, 2},
        {"pixels with depth past their record",
         Concat({row, Sprite2Command(0, 6), Sprite2Command(1, 2), {1, 1}}), true, 2},
        {"colour pixels without their pad byte",
         Concat({row, Sprite2Command(0, 5), Sprite2Command(6, 1), {1}}), true, 2},
        {"a skip past the height, then a row", Concat({Sprite2Command(4, 2), row, Sprite2Command(5, 0)}),
         true, 0},
        {"an unknown row command", Concat({row, Sprite2Command(7, 0)}), true, 2},
        {"an unknown pixel command", Concat({Sprite2Command(0, 4), Sprite2Command(7, 1)}), true, 0},
        {"transparent runs write nothing",
         Concat({Sprite2Command(0, 4), Sprite2Command(3, 2), Sprite2Command(5, 0)}), false, 0},
    };
    for (const auto& r : rows) {
        const Decoded<Sprite> sprite =
            DecodeSprite2(fixtures::Sprite2Body(1001, 0, {fixtures::Sprite2Frame(header, r.commands)}));
        ASSERT_TRUE(sprite.value) << r.name;
        const SpriteFrame& frame = sprite.value->frames.at(0);
        EXPECT_EQ(!frame.problem.empty(), r.problem) << r.name << ": " << frame.problem;
        const std::size_t drawn = DrawnPixels(frame);
        EXPECT_EQ(drawn, r.drawn) << r.name;
    }
}

TEST(DecodeSprites, DeclineOrDrawNothingForHeadersThatLie)
{
    const Bytes huge =
        fixtures::Sprite2Frame(Sprite2FrameHeader{65535, 65535, 1, 0, 0, 0, 0}, Sprite2Command(5, 0));
    const Bytes wide = fixtures::Sprite2Frame(Sprite2FrameHeader{16000, 16000, 1, 0, 0, 0, 0}, Bytes(84, 0));
    const Bytes blank = fixtures::Sprite2Frame(Sprite2FrameHeader{0, 0, 0, 0, 0, 0, 0}, Bytes{});
    const Bytes dot = fixtures::Sprite2PictureFrame(Sprite2FrameHeader{}, Picture({"5"}));
    // Three offsets to one 1000 x 1000 frame of skipped rows: together they
    // claim more pixels than the sprite's bytes can draw.
    const Bytes shared = fixtures::Concat(
        {{0xE8, 3, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 24, 0, 0, 0, 24, 0, 0, 0, 24, 0, 0, 0},
         fixtures::Sprite2Frame(Sprite2FrameHeader{1000, 1000, 1, 0, 0, 0, 0},
                                fixtures::Concat({Sprite2Command(4, 1000), Sprite2Command(5, 0)})),
         Bytes(60, 0)});
    // Five 4000 x 4000 frames of skipped rows, each with the 1000 bytes its
    // size needs: the fifth would take the sprite past its pixel ceiling.
    Bytes padding;
    for (int i = 0; i < 490; ++i)
        padding = fixtures::Concat({padding, Sprite2Command(4, 0)});
    const Bytes tall =
        fixtures::Sprite2Frame(Sprite2FrameHeader{4000, 4000, 1, 0, 0, 0, 0},
                               fixtures::Concat({padding, Sprite2Command(4, 4000), Sprite2Command(5, 0)}));
    const struct {
        const char* name;
        Decoded<Sprite> sprite;
        std::vector<std::pair<int, int>> sizes;  // each frame's; declined when empty
        std::vector<bool> problems;
    } rows[] = {
        {"a 65535 x 65535 frame in 100 bytes",
         DecodeSprite2(fixtures::Sprite2Body(1000, 0, {huge})),
         {{65535, 65535}},
         {true}},
        {"a 16000 x 16000 frame in 100 bytes",
         DecodeSprite2(fixtures::Sprite2Body(1001, 0, {wide})),
         {{16000, 16000}},
         {true}},
        {"frames of 0 x 0 and 1 x 1",
         DecodeSprite2(fixtures::Sprite2Body(1000, 0, {blank, dot})),
         {{0, 0}, {1, 1}},
         {false, false}},
        {"frames sharing their data",
         DecodeSprite2(shared),
         {{1000, 1000}, {1000, 1000}, {1000, 1000}},
         {false, true, true}},
        {"five frames past the sprite's ceiling",
         DecodeSprite2(fixtures::Sprite2Body(1001, 0, {tall, tall, tall, tall, tall})),
         std::vector(5, std::make_pair(4000, 4000)),
         {false, false, false, false, true}},
        {"SPR2 version 999", DecodeSprite2(fixtures::Sprite2Body(999, 0, {dot})), {}, {}},
        {"SPR2 offsets past the end",
         DecodeSprite2(Bytes{0xE8, 3, 0, 0, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0}),
         {},
         {}},
        {"SPR2 header cut short", DecodeSprite2(Bytes{0xE9, 3, 0, 0}), {}, {}},
        {"SPR# version 600", DecodeOldSprite(fixtures::OldSpriteBody(600, 0, {})), {}, {}},
        {"SPR# offsets past the end",
         DecodeOldSprite(Bytes{0xF8, 1, 0, 0, 0xFF, 0xFF, 0xFF, 0x0F, 0, 0, 0, 0}),
         {},
         {}},
        {"SPR# frame offset past the end",
         DecodeOldSprite(Bytes{0xF8, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 99, 0, 0, 0}),
         {{0, 0}},
         {true}},
    };
    for (const auto& row : rows) {
        if (row.sizes.empty()) {
            EXPECT_FALSE(row.sprite.value) << row.name;
            EXPECT_NE(row.sprite.declined, "") << row.name;
            continue;
        }
        ASSERT_TRUE(row.sprite.value) << row.name << ": " << row.sprite.declined;
        ASSERT_EQ(row.sprite.value->frames.size(), row.sizes.size()) << row.name;
        for (std::size_t i = 0; i < row.sizes.size(); ++i) {
            const SpriteFrame& frame = row.sprite.value->frames[i];
            EXPECT_EQ(std::make_pair(frame.width, frame.height), row.sizes[i]) << row.name;
            EXPECT_EQ(!frame.problem.empty(), row.problems[i]) << row.name << ": " << frame.problem;
            if (frame.problem.empty())
                EXPECT_EQ(frame.indices.size(), static_cast<std::size_t>(frame.width * frame.height))
                    << row.name;
            else
                EXPECT_LE(frame.indices.size(), 1u) << row.name;
        }
    }
}

// Bytes written out by hand: one SPR2 row of 32 pixels with alpha 0 to 31,
// each drawn at the nearest of the 256 opacities.
TEST(DecodeSprite2, ScalesAlphaToTheNearestOpacity)
{
    Bytes body = {
        0xE8, 0x03, 0x00, 0x00,  // version 1000
        0x01, 0x00, 0x00, 0x00,  // one frame
        0x00, 0x00, 0x00, 0x00,  // palette 0
        0x10, 0x00, 0x00, 0x00,  // the frame at byte 16
        0x20, 0x00, 0x01, 0x00,  // width 32, height 1
        0x07, 0x00, 0x00, 0x00,  // colour, depth and alpha
        0x00, 0x00, 0x00, 0x00,  // palette, transparent index
        0x00, 0x00, 0x00, 0x00,  // y, x
        0x64, 0x00,              // command 0: a row record of 100 bytes
        0x20, 0x40,              //   command 2, 32 pixels of depth, index and alpha:
    };
    for (std::uint8_t alpha = 0; alpha < 32; ++alpha)
        body.insert(body.end(), {0x00, 0x01, alpha});
    body.insert(body.end(), {0x00, 0xA0});  // command 5: end of frame
    const int expected[32] = {0,   8,   16,  25,  33,  41,  49,  58,  66,  74,  82,  90,  99,  107, 115, 123,
                              132, 140, 148, 156, 165, 173, 181, 189, 197, 206, 214, 222, 230, 239, 247, 255};
    const Decoded<Sprite> sprite = DecodeSprite2(body);
    ASSERT_TRUE(sprite.value) << sprite.declined;
    const SpriteFrame& frame = sprite.value->frames.at(0);
    ASSERT_EQ(frame.opacity.size(), 32u) << frame.problem;
    for (std::size_t alpha = 0; alpha < 32; ++alpha)
        EXPECT_EQ(frame.opacity[alpha], expected[alpha]) << "alpha " << alpha;
}

// Sprites written out by hand from the format's description, not by a builder.

// A frame's expected pixels, row by row.
struct Pixels {
    std::vector<int> indices;
    std::vector<int> opacity;
    std::vector<int> depth;  // empty: the frame has no depth channel
};

void ExpectPixels(const SpriteFrame& frame, const Pixels& want)
{
    ASSERT_EQ(frame.indices.size(), want.indices.size());
    for (std::size_t i = 0; i < want.indices.size(); ++i) {
        EXPECT_EQ(frame.indices[i], want.indices[i]) << "index of pixel " << i;
        EXPECT_EQ(frame.opacity[i], want.opacity[i]) << "opacity of pixel " << i;
        if (!want.depth.empty()) {
            EXPECT_EQ(frame.depth[i], want.depth[i]) << "depth of pixel " << i;
        }
    }
    EXPECT_EQ(frame.depth.size(), want.depth.size());
}

TEST(DecodeSprite2, ReadsTwoBackToBackFramesWrittenByHand)
{
    const Bytes body = {
        0xE9, 0x03, 0x00, 0x00,  // version 1001
        0x07, 0x00, 0x00, 0x00,  // palette 7
        0x02, 0x00, 0x00, 0x00,  // two frames
        0xE9, 0x03, 0x00, 0x00,  // frame record: 1001,
        0x36, 0x00, 0x00, 0x00,  //   54 bytes
        0x04, 0x00, 0x04, 0x00,  // width 4, height 4
        0x07, 0x00, 0x00, 0x00,  // colour, depth and alpha
        0x09, 0x00, 0x05, 0x00,  // palette 9, transparent index 5
        0xFE, 0xFF, 0x0A, 0x00,  // y -2, x 10
        0x0A, 0x00,              // row 0: a record of 10 bytes
        0x01, 0x60,              //   command 3: one transparent pixel
        0x02, 0x20,              //   command 1: two pixels of depth and index:
        0x0A, 0x05, 0x14, 0x06,  //     depth 10 index 5 (the transparent index, drawn), depth 20 index 6
        0x10, 0x00,              // row 1: a record of 16 bytes
        0x01, 0x40,              //   command 2: one pixel of depth, index and alpha:
        0x1E, 0x07, 0x10, 0x00,  //     depth 30, index 7, alpha 16; a pad byte, 3 being odd
        0x02, 0x40,              //   command 2: two pixels, no pad:
        0x28, 0x08, 0x1F,        //     depth 40, index 8, alpha 31
        0x32, 0x09, 0x00,        //     depth 50, index 9, alpha 0
        0x01, 0x80,              // command 4: skip one row (row 2)
        0x08, 0x00,              // row 3: a record of 8 bytes
        0x03, 0xC0,              //   command 6: three pixels of index only:
        0x0B, 0x0C, 0x0D, 0x00,  //     11, 12, 13; a pad byte, 3 being odd
        0x00, 0xA0,              // command 5: end of frame
        0xE9, 0x03, 0x00, 0x00,  // frame record: 1001,
        0x18, 0x00, 0x00, 0x00,  //   24 bytes
        0x02, 0x00, 0x01, 0x00,  // width 2, height 1
        0x01, 0x00, 0x00, 0x00,  // colour only
        0x00, 0x00, 0x00, 0x00,  // palette 0 (the header's), transparent index 0
        0x00, 0x00, 0x00, 0x00,  // y 0, x 0
        0x06, 0x00,              // row 0: a record of 6 bytes
        0x02, 0xC0, 0x01, 0x02,  //   command 6: indices 1 and 2, no pad
        0x00, 0xA0,              // command 5: end of frame
    };
    const Decoded<Sprite> sprite = DecodeSprite2(body);
    ASSERT_TRUE(sprite.value) << sprite.declined;
    EXPECT_EQ(sprite.value->version, 1001u);
    EXPECT_EQ(sprite.value->paletteId, 7u);
    ASSERT_EQ(sprite.value->frames.size(), 2u);

    const SpriteFrame& first = sprite.value->frames[0];
    EXPECT_EQ(first.problem, "");
    EXPECT_EQ(first.width, 4);
    EXPECT_EQ(first.height, 4);
    EXPECT_EQ(first.flags, 7u);
    EXPECT_EQ(first.paletteId, 9);
    EXPECT_EQ(first.transparentIndex, 5);
    EXPECT_EQ(first.y, -2);
    EXPECT_EQ(first.x, 10);
    ExpectPixels(first,
                 {{5, 5, 6, 5, /**/ 7, 8, 9, 5, /**/ 5, 5, 5, 5, /**/ 11, 12, 13, 5},
                  {0, 255, 255, 0, /**/ 132, 255, 0, 0, /**/ 0, 0, 0, 0, /**/ 255, 255, 255, 0},
                  {255, 10, 20, 255, /**/ 30, 40, 50, 255, /**/ 255, 255, 255, 255, /**/ 0, 0, 0, 255}});

    const SpriteFrame& second = sprite.value->frames[1];
    EXPECT_EQ(second.problem, "");
    EXPECT_EQ(second.width, 2);
    EXPECT_EQ(second.height, 1);
    EXPECT_EQ(second.paletteId, 0);
    ExpectPixels(second, {{1, 2}, {255, 255}, {}});
}

// One frame of 4 x 3, in either byte order: row 0 skipped, row 1 ". 10 11
// 12", row 2 "7 7 8 9".
struct OldSpriteBytes {
    const char* name;
    Bytes body;
    bool bigEndian;
};

const OldSpriteBytes kOldSprites[] = {
    {"big-endian: the first two bytes are zero",
     {
         0x00, 0x00, 0x01, 0xF8,  // version 504
         0x00, 0x00, 0x00, 0x01,  // one frame
         0x00, 0x00, 0x00, 0x05,  // palette 5
         0x00, 0x00, 0x00, 0x10,  // the frame at byte 16
         0x00, 0x00, 0x00, 0x00,  // reserved
         0x00, 0x03, 0x00, 0x04,  // height 3, then width 4
         0x00, 0x00,              // start marker
         0x09, 0x01,              // skip one row
         0x04, 0x0A,              // row 1: a record of 10 bytes
         0x01, 0x01,              //   one transparent pixel
         0x03, 0x03,              //   three pixels, one index each:
         0x0A, 0x0B, 0x0C, 0x00,  //     10, 11, 12; a pad byte, 3 being odd
         0x04, 0x0A,              // row 2: a record of 10 bytes
         0x02, 0x02, 0x07, 0x00,  //   two pixels of index 7, a pad byte
         0x03, 0x02, 0x08, 0x09,  //   two pixels, 8 and 9, no pad
         0x05, 0x00,              // end of frame
     },
     true},
    {"little-endian, start marker 00 10",
     {
         0xF8, 0x01, 0x00, 0x00,  // version 504
         0x01, 0x00, 0x00, 0x00,  // one frame
         0x05, 0x00, 0x00, 0x00,  // palette 5
         0x10, 0x00, 0x00, 0x00,  // the frame at byte 16
         0x00, 0x00, 0x00, 0x00,  // reserved
         0x03, 0x00, 0x04, 0x00,  // height 3, then width 4
         0x00, 0x10,              // start marker, its count ignored
         0x09, 0x01,              // skip one row
         0x04, 0x0A,              // row 1: a record of 10 bytes
         0x01, 0x01,              //   one transparent pixel
         0x03, 0x03,              //   three pixels, one index each:
         0x0A, 0x0B, 0x0C, 0x00,  //     10, 11, 12; a pad byte, 3 being odd
         0x04, 0x0A,              // row 2: a record of 10 bytes
         0x02, 0x02, 0x07, 0x00,  //   two pixels of index 7, a pad byte
         0x03, 0x02, 0x08, 0x09,  //   two pixels, 8 and 9, no pad
         0x05, 0x00,              // end of frame
     },
     false},
};

void PrintTo(const OldSpriteBytes& row, std::ostream* out) { *out << row.name; }

class DecodeOldSpriteWrittenByHand : public testing::TestWithParam<OldSpriteBytes> {};

TEST_P(DecodeOldSpriteWrittenByHand, ReadsHeightBeforeWidthAndEachCommand)
{
    const Decoded<Sprite> sprite = DecodeOldSprite(GetParam().body);
    ASSERT_TRUE(sprite.value) << sprite.declined;
    EXPECT_EQ(sprite.value->bigEndian, GetParam().bigEndian);
    EXPECT_EQ(sprite.value->version, 504u);
    EXPECT_EQ(sprite.value->paletteId, 5u);
    ASSERT_EQ(sprite.value->frames.size(), 1u);
    const SpriteFrame& frame = sprite.value->frames[0];
    EXPECT_EQ(frame.problem, "");
    EXPECT_EQ(frame.width, 4);
    EXPECT_EQ(frame.height, 3);
    ExpectPixels(frame, {{0, 0, 0, 0, /**/ 0, 10, 11, 12, /**/ 7, 7, 8, 9},
                         {0, 0, 0, 0, /**/ 0, 255, 255, 255, /**/ 255, 255, 255, 255},
                         {}});
}

INSTANTIATE_TEST_SUITE_P(ByteOrders, DecodeOldSpriteWrittenByHand, testing::ValuesIn(kOldSprites),
                         fixtures::RowName());

}  // namespace
}  // namespace tarnwick
