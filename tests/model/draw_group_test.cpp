#include "model/decoders/draw_group.h"

#include <gtest/gtest.h>

#include <map>

#include "model/container/chunk_loader.h"
#include "model/decoders/draw_group_composite.h"
#include "synth/draw_group_builder.h"
#include "synth/sprite_builder.h"
#include "tests/model/recording_output.h"
#include "tests/support/case_name.h"

namespace tarnwick {
namespace {

using fixtures::Bytes;

DrawGroupSprite Entry(std::uint32_t spriteId, std::uint32_t frame, std::int32_t x, std::int32_t y,
                      std::uint32_t flags = 0)
{
    return {spriteId, frame, x, y, flags, 0, 0, 0};
}

TEST(DecodeDrawGroup, ReadsEachVersionsFields)
{
    const DrawGroupSprite full{300, 14, -7, 95, 5, 0.5f, -1.5f, 0.25f};
    const std::vector<DrawGroupImage> images = {{0x10, 2, {full, Entry(301, 0, 0, 0)}}, {0x40, 1, {}}};
    const struct {
        std::uint16_t version;
        bool objectZ, objectXY;
    } rows[] = {{20000, false, false}, {20001, true, false}, {20003, true, false}, {20004, true, true}};
    for (const auto& row : rows) {
        const Decoded<DrawGroup> group = DecodeDrawGroup(fixtures::DrawGroupBody(row.version, images));
        ASSERT_TRUE(group.value) << row.version << ": " << group.declined;
        EXPECT_EQ(group.value->version, row.version);
        EXPECT_EQ(group.value->warning, "") << row.version;
        ASSERT_EQ(group.value->images.size(), 2u) << row.version;
        const DrawGroupImage& image = group.value->images[0];
        EXPECT_EQ(image.direction, 0x10u) << row.version;
        EXPECT_EQ(image.zoom, 2u) << row.version;
        ASSERT_EQ(image.sprites.size(), 2u) << row.version;
        const DrawGroupSprite& read = image.sprites[0];
        EXPECT_EQ(read.spriteId, 300u) << row.version;
        EXPECT_EQ(read.frame, 14u) << row.version;
        EXPECT_EQ(read.x, -7) << row.version;
        EXPECT_EQ(read.y, 95) << row.version;
        EXPECT_TRUE(read.Mirrored()) << row.version;
        EXPECT_EQ(read.objectZ, row.objectZ ? 0.25f : 0.0f) << row.version;
        EXPECT_EQ(read.objectX, row.objectXY ? 0.5f : 0.0f) << row.version;
        EXPECT_EQ(read.objectY, row.objectXY ? -1.5f : 0.0f) << row.version;
        EXPECT_EQ(group.value->images[1].direction, 0x40u) << row.version;
        EXPECT_EQ(FindImage(*group.value, 0x40, 1), 1u) << row.version;
        EXPECT_EQ(FindImage(*group.value, 0x40, 2), std::nullopt) << row.version;
    }
}

TEST(DecodeDrawGroup, DeclinesWhatItCannotReadAndKeepsWhatItCan)
{
    const std::vector<DrawGroupImage> two = {{1, 3, {Entry(1, 0, 0, 0), Entry(1, 1, 0, 0)}}, {4, 3, {}}};
    const Bytes whole = fixtures::DrawGroupBody(20004, two);
    const auto cut = [&](std::size_t size) {
        return Bytes(whole.begin(), whole.begin() + static_cast<long>(size));
    };
    Bytes trailing = whole;
    trailing.insert(trailing.end(), 3, 0xA3);
    const struct {
        const char* name;
        Bytes body;
        bool declined;
        std::size_t images;       // read
        std::size_t firstImages;  // entries of the first image read
        bool warning;
    } rows[] = {
        {"empty", {}, true, 0, 0, false},
        {"version 20002, which no one describes", fixtures::DrawGroupBody(20002, two), true, 0, 0, false},
        {"version 1", fixtures::DrawGroupBody(1, two), true, 0, 0, false},
        {"an image count cut short", cut(4), true, 0, 0, false},
        {"no images at all", fixtures::DrawGroupBody(20003, {}), false, 0, 0, false},
        {"an image count past the data", fixtures::DrawGroupBody(20000, two, 0xFFFF), false, 2, 2, true},
        {"a wide image count past the data", fixtures::DrawGroupBody(20004, two, 0xFFFFFFFF), false, 2, 2,
         true},
        {"cut inside an entry", cut(6 + 12 + 32 + 20), false, 1, 1, true},
        {"cut inside the second image's header", cut(whole.size() - 4), false, 1, 2, true},
        {"bytes after the last image", trailing, false, 2, 2, true},
    };
    for (const auto& row : rows) {
        const Decoded<DrawGroup> group = DecodeDrawGroup(row.body);
        EXPECT_EQ(!group.value, row.declined) << row.name;
        if (!group.value) {
            EXPECT_NE(group.declined, "") << row.name;
            continue;
        }
        EXPECT_EQ(!group.value->warning.empty(), row.warning) << row.name << ": " << group.value->warning;
        ASSERT_EQ(group.value->images.size(), row.images) << row.name;
        if (row.images > 0) {
            EXPECT_EQ(group.value->images[0].sprites.size(), row.firstImages) << row.name;
        }
    }
}

// A sprite entry's sprite: palette 1 holds red (1), green (2), blue (3) and white (4).
fixtures::SpritePicture Solid(int width, int height, std::vector<int> indices, std::uint8_t depth,
                              std::uint8_t alpha = 31)
{
    const auto area = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (indices.size() == 1)
        indices.assign(area, indices[0]);
    return {width, height, std::move(indices), std::vector<std::uint8_t>(area, depth),
            std::vector<std::uint8_t>(area, alpha)};
}

OpenFile SpriteFile()
{
    using fixtures::Sprite2PictureFrame;
    const std::vector<Bytes> withDepth = {
        Sprite2PictureFrame({0, 0, 3, 0, 0, 0, 0}, Solid(2, 2, {1}, 50)),        // 0: red
        Sprite2PictureFrame({0, 0, 3, 0, 0, 0, 0}, Solid(2, 1, {2}, 20)),        // 1: green, nearer
        Sprite2PictureFrame({0, 0, 3, 0, 0, 0, 0}, Solid(3, 1, {1, 2, 3}, 50)),  // 2: red green blue
        Sprite2PictureFrame({0, 0, 3, 0, 0, 0, 0}, Solid(2, 2, {3}, 50)),        // 3: blue, as deep as red
        Sprite2PictureFrame({0, 0, 3, 0, 0, 0, 0}, Solid(1, 1, {2}, 200)),       // 4: green, farther
        Sprite2PictureFrame({0, 0, 7, 0, 0, 0, 0}, Solid(1, 1, {4}, 100, 15)),   // 5: half-white
    };
    const Bytes flat = fixtures::Sprite2Body(
        1000, 1, {fixtures::Sprite2PictureFrame({0, 0, 1, 0, 0, 0, 0}, Solid(1, 1, {3}, 0))});
    const Bytes paletteAbsent = fixtures::Sprite2Body(1000, 9, {withDepth[0]});
    OpenFile file;
    RecordingOutput output;
    LoadChunkBytes(
        file,
        ByteString(fixtures::IffBuilder()
                       .Header("IFF FILE 2.5:TYPE FOLLOWED BY SIZE", 0)
                       .Chunk("PALT", "", fixtures::PaletteBody({0, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}),
                              fixtures::ChunkId(1))
                       .Chunk("SPR2", "", fixtures::Sprite2Body(1000, 1, withDepth), fixtures::ChunkId(10))
                       .Chunk("SPR2", "Without depth", flat, fixtures::ChunkId(11))
                       .Chunk("SPR2", "Unreadable", Bytes(12, 9), fixtures::ChunkId(12))
                       .Chunk("SPR2", "Palette absent", paletteAbsent, fixtures::ChunkId(13))
                       .Build()),
        output);
    return file;
}

// The canvas as rows of letters: r, g, b opaque; h half-white over nothing;
// w half-white over half-white; H half-white over green; . transparent.
std::vector<std::string> Letters(const Composite& composite)
{
    static const std::map<std::uint32_t, char> kLetters = {
        {0, '.'},          {0xFFFF0000, 'r'}, {0xFF00FF00, 'g'}, {0xFF0000FF, 'b'},
        {0x7BFFFFFF, 'h'}, {0xBBFFFFFF, 'w'}, {0xFF7BFF7B, 'H'}};
    std::vector<std::string> rows;
    for (int y = 0; y < composite.height; ++y) {
        std::string& row = rows.emplace_back();
        for (int x = 0; x < composite.width; ++x) {
            const auto found = kLetters.find(
                composite.pixels.at(static_cast<std::size_t>(y) * static_cast<std::size_t>(composite.width) +
                                    static_cast<std::size_t>(x)));
            row += found == kLetters.end() ? '?' : found->second;
        }
    }
    return rows;
}

TEST(DrawGroupCompositor, PlacesMirrorsAndLetTheNearerWin)
{
    const OpenFile file = SpriteFile();
    const struct {
        const char* name;
        std::vector<DrawGroupSprite> entries;
        std::vector<std::string> drawn;
        std::int64_t originX, originY;
        std::vector<std::string> warnings = {};
        bool paletteNote = false;
    } rows[] = {
        {"the bottom edge at y, the left edge at x",
         {Entry(10, 0, 0, 0), Entry(10, 1, 2, -1)},
         {"rrgg", "rr.."},
         0,
         2},
        {"mirrored keeps its left edge", {Entry(10, 2, 5, 1, 1), Entry(10, 2, 5, 2)}, {"bgr", "rgb"}, -5, 0},
        {"the nearer wins though listed first", {Entry(10, 1, 0, 1), Entry(10, 0, 0, 2)}, {"gg", "rr"}, 0, 0},
        {"the farther loses though listed last",
         {Entry(10, 0, 0, 1), Entry(10, 4, 1, 0)},
         {"rr", "rr"},
         0,
         1},
        {"at equal depth the later wins", {Entry(10, 0, 0, 0), Entry(10, 3, 0, 0)}, {"bb", "bb"}, 0, 2},
        {"a frame without depth paints over", {Entry(10, 1, 0, 1), Entry(11, 0, 1, 1)}, {"gb"}, 0, 0},
        {"half-transparent over nothing keeps its alpha", {Entry(10, 5, 0, 1)}, {"h"}, 0, 0},
        {"half-transparent blends over the farther", {Entry(10, 4, 0, 1), Entry(10, 5, 0, 1)}, {"H"}, 0, 0},
        {"half-transparent behind the nearer is hidden",
         {Entry(10, 0, 0, 2), Entry(10, 5, 0, 1)},
         {"rr", "rr"},
         0,
         0},
        {"an absent sprite or frame is left out",
         {Entry(99, 0, 0, 0), Entry(10, 9, 4, 4), Entry(10, 1, 0, 0)},
         {"gg"},
         0,
         1,
         {"Entry 0: no SPR2 99 (0x0063)", "Entry 1: SPR2 10 (0x000A) has no frame 9"}},
        {"half-transparent over half-transparent", {Entry(10, 5, 0, 1), Entry(10, 5, 0, 1)}, {"w"}, 0, 0},
        {"an unreadable sprite is left out",
         {Entry(12, 0, 0, 0)},
         {},
         0,
         0,
         {"Entry 0: SPR2 12 (0x000C) cannot be read: Sprite version 151587081 is not 1000 or 1001."}},
        {"an absent palette falls back and says so", {Entry(13, 0, 0, 2)}, {"rr", "rr"}, 0, 0, {}, true},
        {"nothing to draw", {Entry(99, 0, 0, 0)}, {}, 0, 0, {"Entry 0: no SPR2 99 (0x0063)"}},
    };
    for (const auto& row : rows) {
        const Decoded<Composite> composite = DrawGroupCompositor(file.Chunks).Compose({1, 3, row.entries});
        ASSERT_TRUE(composite.value) << row.name << ": " << composite.declined;
        EXPECT_EQ(Letters(*composite.value), row.drawn) << row.name;
        if (!row.drawn.empty()) {
            EXPECT_EQ(composite.value->originX, row.originX) << row.name;
            EXPECT_EQ(composite.value->originY, row.originY) << row.name;
        }
        EXPECT_EQ(composite.value->warnings, row.warnings) << row.name;
        EXPECT_EQ(composite.value->palettes.size(), row.paletteNote ? 1u : 0u) << row.name;
    }
}

TEST(DrawGroupCompositor, DeclinesACanvasPast4096PixelsASide)
{
    const OpenFile file = SpriteFile();
    constexpr std::int32_t kFar = 0x7FFFFFFF;
    const struct {
        const char* name;
        DrawGroupSprite last;
        bool declined;
    } rows[] = {
        {"4096 wide", Entry(10, 0, 4094, 0), false},
        {"4097 wide", Entry(10, 0, 4095, 0), true},
        {"4097 tall", Entry(10, 0, 0, 4095), true},
        {"at the ends of the coordinates", Entry(10, 0, kFar, -kFar - 1), true},
    };
    for (const auto& row : rows) {
        const Decoded<Composite> composite =
            DrawGroupCompositor(file.Chunks).Compose({1, 3, {Entry(10, 0, 0, 0), row.last}});
        EXPECT_EQ(!composite.value, row.declined) << row.name;
        EXPECT_EQ(composite.declined.empty(), !row.declined) << row.name;
    }
}

TEST(ComposeViews, ComposesTheFirstImageOfEachRotationAndZoom)
{
    const OpenFile file = SpriteFile();
    const DrawGroup group{20004,
                          {{0x04, 1, {Entry(10, 0, 0, 0)}},
                           {0x01, 3, {Entry(10, 1, 0, 0)}},
                           {0x04, 1, {Entry(10, 3, 0, 0)}},  // a second: not drawn
                           {0x02, 3, {Entry(10, 3, 0, 0)}}},
                          {}};
    const std::vector<std::optional<Decoded<Composite>>> views = ComposeViews(group, file.Chunks);
    ASSERT_EQ(views.size(), 12u);
    for (std::size_t view = 0; view < views.size(); ++view) {
        EXPECT_EQ(views[view].has_value(), view == 0 || view == 9) << view;
    }
    EXPECT_EQ(Letters(*views[0]->value), (std::vector<std::string>{"gg"}));
    EXPECT_EQ(Letters(*views[9]->value), (std::vector<std::string>{"rr", "rr"}));
}

TEST(UnshownImageNotes, NameTheImagesTheGameNeverShows)
{
    DrawGroup group;
    group.images = {{0x01, 3, {}}, {0x04, 2, {}}, {0x01, 3, {}}, {0x02, 3, {}}, {0x10, 4, {}}};
    EXPECT_EQ(
        UnshownImageNotes(group),
        (std::vector<std::string>{"Image 2 (rotation 0x01, zoom 3) is a second one: not shown.",
                                  "Image 3 (rotation 0x02, zoom 3) is not one the game draws: not shown.",
                                  "Image 4 (rotation 0x10, zoom 4) is not one the game draws: not shown."}));
}

// Draw groups written out by hand from the format's description, not by a
// builder: one image of one entry, SPR2 300 frame 14 at x -7, y 95, flags 5
// (mirrored, and bit 2), in rotation 0x04 at the middle zoom.
struct DrawGroupBytes {
    const char* name;
    Bytes body;
    float objectZ;  // read from 20001 on
};

const DrawGroupBytes kDrawGroups[] = {
    {"20000: 12-byte entries",
     {
         0x20, 0x4E,              // version 20000
         0x01, 0x00,              // one image
         0x01, 0x00, 0x04, 0x02,  // one sprite; direction 0x04, zoom 2
         0x07, 0x00,              // type, unused
         0x2C, 0x01, 0x0E, 0x00,  // SPR2 300, frame 14
         0x05, 0x00,              // flags 5
         0xF9, 0xFF, 0x5F, 0x00,  // x -7, y 95
     },
     0.0f},
    {"20001: 16-byte entries",
     {
         0x21, 0x4E,              // version 20001
         0x01, 0x00,              // one image
         0x01, 0x00, 0x04, 0x02,  // one sprite; direction 0x04, zoom 2
         0x07, 0x00,              // type, unused
         0x2C, 0x01, 0x0E, 0x00,  // SPR2 300, frame 14
         0x05, 0x00,              // flags 5
         0xF9, 0xFF, 0x5F, 0x00,  // x -7, y 95
         0x00, 0x00, 0x80, 0x3E,  // object z 0.25f
     },
     0.25f},
    {"20003: 32-bit counts and 24-byte entries",
     {
         0x23, 0x4E,              // version 20003
         0x01, 0x00, 0x00, 0x00,  // one image
         0x04, 0x00, 0x00, 0x00,  // direction 0x04
         0x02, 0x00, 0x00, 0x00,  // zoom 2
         0x01, 0x00, 0x00, 0x00,  // one sprite
         0x2C, 0x01, 0x00, 0x00,  // SPR2 300
         0x0E, 0x00, 0x00, 0x00,  // frame 14
         0xF9, 0xFF, 0xFF, 0xFF,  // x -7
         0x5F, 0x00, 0x00, 0x00,  // y 95
         0x00, 0x00, 0x80, 0x3E,  // object z 0.25f, before the flags
         0x05, 0x00, 0x00, 0x00,  // flags 5
     },
     0.25f},
};

void PrintTo(const DrawGroupBytes& row, std::ostream* out) { *out << row.name; }

class DecodeDrawGroupWrittenByHand : public testing::TestWithParam<DrawGroupBytes> {};

TEST_P(DecodeDrawGroupWrittenByHand, ReadsTheImageAndItsEntry)
{
    const Decoded<DrawGroup> group = DecodeDrawGroup(GetParam().body);
    ASSERT_TRUE(group.value) << group.declined;
    EXPECT_EQ(group.value->warning, "");
    ASSERT_EQ(group.value->images.size(), 1u);
    const DrawGroupImage& image = group.value->images[0];
    EXPECT_EQ(image.direction, 0x04u);
    EXPECT_EQ(image.zoom, 2u);
    ASSERT_EQ(image.sprites.size(), 1u);
    const DrawGroupSprite& entry = image.sprites[0];
    EXPECT_EQ(entry.spriteId, 300u);
    EXPECT_EQ(entry.frame, 14u);
    EXPECT_EQ(entry.x, -7);
    EXPECT_EQ(entry.y, 95);
    EXPECT_EQ(entry.flags, 5u);
    EXPECT_EQ(entry.objectZ, GetParam().objectZ);
}

INSTANTIATE_TEST_SUITE_P(Versions, DecodeDrawGroupWrittenByHand, testing::ValuesIn(kDrawGroups),
                         fixtures::RowName());

TEST(DecodeDrawGroup, DeclinesVersion20002WrittenByHand)
{
    const Bytes body = {
        0x22, 0x4E,              // version 20002, which no one describes
        0x01, 0x00, 0x00, 0x00,  // what would be one image
        0x01, 0x00, 0x04, 0x02,
    };
    const Decoded<DrawGroup> group = DecodeDrawGroup(body);
    EXPECT_FALSE(group.value);
    EXPECT_NE(group.declined.find("20002"), std::string::npos) << group.declined;
}

// A file written out by hand: a palette, a sprite of two frames with depth,
// and a draw group of two images that overlap them.
OpenFile HandWrittenObject()
{
    const Bytes palette = {
        0x00, 0x00, 0x00, 0x00,                                // version 0
        0x04, 0x00, 0x00, 0x00,                                // four colours
        0,    0,    0,    0,    0, 0, 0, 0, 0x00, 0x00, 0x00,  // 0 black
        0xFF, 0x00, 0x00,                                      // 1 red
        0x00, 0xFF, 0x00,                                      // 2 green
        0x00, 0x00, 0xFF,                                      // 3 blue
    };
    const Bytes sprite = {
        0xE8, 0x03, 0x00, 0x00,  // version 1000
        0x02, 0x00, 0x00, 0x00,  // two frames
        0x01, 0x00, 0x00, 0x00,  // palette 1
        0x14, 0x00, 0x00, 0x00,  // frame 0 at byte 20
        0x36, 0x00, 0x00, 0x00,  // frame 1 at byte 54
        // frame 0: 2 x 2 red at depth 50
        0x02, 0x00, 0x02, 0x00,  // width 2, height 2
        0x03, 0x00, 0x00, 0x00,  // colour and depth
        0x01, 0x00, 0x00, 0x00,  // palette 1, transparent index 0
        0x00, 0x00, 0x00, 0x00,  // y, x
        0x08, 0x00, 0x02, 0x20,  // row 0, 8 bytes: command 1, two pixels of depth and index:
        0x32, 0x01, 0x32, 0x01,  //   red at 50, red at 50
        0x08, 0x00, 0x02, 0x20,  // row 1, the same
        0x32, 0x01, 0x32, 0x01,  //
        0x00, 0xA0,              // end of frame
        // frame 1: 3 x 1, blue at 90 (far), green at 10 (near), green at 10
        0x03, 0x00, 0x01, 0x00,  // width 3, height 1
        0x03, 0x00, 0x00, 0x00,  // colour and depth
        0x01, 0x00, 0x00, 0x00,  // palette 1, transparent index 0
        0x00, 0x00, 0x00, 0x00,  // y, x
        0x0A, 0x00, 0x03, 0x20,  // row 0, 10 bytes: command 1, three pixels:
        0x5A, 0x03, 0x0A, 0x02,  //   blue at 90, green at 10,
        0x0A, 0x02,              //   green at 10
        0x00, 0xA0,              // end of frame
    };
    OpenFile file;
    RecordingOutput output;
    LoadChunkBytes(file,
                   ByteString(fixtures::IffBuilder()
                                  .Chunk("PALT", "", palette, fixtures::ChunkId(1))
                                  .Chunk("SPR2", "", sprite, fixtures::ChunkId(10))
                                  .Build()),
                   output);
    return file;
}

TEST(DrawGroupCompositor, LetsDepthDecideAndMirrorsInAGroupWrittenByHand)
{
    const Bytes body = {
        0x20, 0x4E,              // version 20000
        0x02, 0x00,              // two images
        0x02, 0x00, 0x01, 0x03,  // image 1: two sprites; direction 0x01, zoom 3
        0x00, 0x00, 0x0A, 0x00,  //   SPR2 10,
        0x00, 0x00, 0x00, 0x00,  //   frame 0, flags 0,
        0x00, 0x00, 0x00, 0x00,  //   x 0, y 0: rows -2 and -1
        0x00, 0x00, 0x0A, 0x00,  //   SPR2 10,
        0x01, 0x00, 0x00, 0x00,  //   frame 1, flags 0,
        0x00, 0x00, 0x00, 0x00,  //   x 0, y 0: row -1
        0x02, 0x00, 0x10, 0x03,  // image 2: two sprites; direction 0x10, zoom 3
        0x00, 0x00, 0x0A, 0x00,  //   SPR2 10,
        0x00, 0x00, 0x00, 0x00,  //   frame 0, flags 0,
        0x00, 0x00, 0x00, 0x00,  //   x 0, y 0
        0x00, 0x00, 0x0A, 0x00,  //   SPR2 10,
        0x01, 0x00, 0x01, 0x00,  //   frame 1, flags 1: mirrored,
        0x01, 0x00, 0xFF, 0xFF,  //   x 1, y -1: row -2, columns 1 to 3
    };
    const Decoded<DrawGroup> group = DecodeDrawGroup(body);
    ASSERT_TRUE(group.value) << group.declined;
    ASSERT_EQ(group.value->images.size(), 2u);
    const OpenFile file = HandWrittenObject();
    const std::vector<std::string> expected[] = {
        // The far blue, listed last, loses to red; the near green wins.
        {"rr.", "rgg"},
        // Mirrored, the near greens come first and win over red.
        {"rggb", "rr.."},
    };
    for (std::size_t i = 0; i < 2; ++i) {
        const Decoded<Composite> composite = DrawGroupCompositor(file.Chunks).Compose(group.value->images[i]);
        ASSERT_TRUE(composite.value) << composite.declined;
        EXPECT_EQ(Letters(*composite.value), expected[i]) << "image " << i;
        EXPECT_EQ(composite.value->originX, 0) << "image " << i;
        EXPECT_EQ(composite.value->originY, 2) << "image " << i;
        EXPECT_EQ(composite.value->warnings, std::vector<std::string>{}) << "image " << i;
        EXPECT_EQ(composite.value->palettes, std::vector<std::string>{}) << "image " << i;
    }
}

}  // namespace
}  // namespace tarnwick
