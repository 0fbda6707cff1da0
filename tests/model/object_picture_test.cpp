#include "model/decoders/object_picture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/container/chunk_loader.h"
#include "model/container/chunk_lookup.h"
#include "model/container/chunk_summary.h"
#include "model/decoders/tile_projection.h"
#include "synth/draw_group_builder.h"
#include "synth/multi_tile_object.h"
#include "synth/object_builder.h"
#include "synth/sprite_builder.h"
#include "tests/model/recording_output.h"
#include "tests/support/case_name.h"

namespace tarnwick {
namespace {

using fixtures::Bytes;

OpenFile Load(const Bytes& bytes)
{
    OpenFile file;
    RecordingOutput output;
    LoadChunkBytes(file, ByteString(bytes), output);
    return file;
}

std::uint32_t PixelAt(const Composite& composite, std::int64_t x, std::int64_t y)
{
    if (x < 0 || y < 0 || x >= composite.width || y >= composite.height)
        return 0;
    return composite.pixels[static_cast<std::size_t>(y * composite.width + x)];
}

struct OffsetRow {
    const char* name;
    std::uint16_t subIndex;
    std::uint32_t direction;
    std::uint32_t zoom;
    std::optional<ScreenOffset> expected;
};

void PrintTo(const OffsetRow& row, std::ostream* out) { *out << row.name; }

// Worked out by hand from the turns and the tile's 128 x 64 pixels near.
const OffsetRow kOffsets[] = {
    {"x1 rotation 01 near", 0x0100, 0x01, 3, ScreenOffset{64, 32}},
    {"x1 rotation 04 near", 0x0100, 0x04, 3, ScreenOffset{-64, 32}},   // (0, 1)
    {"x1 rotation 10 near", 0x0100, 0x10, 3, ScreenOffset{-64, -32}},  // (-1, 0)
    {"x1 rotation 40 near", 0x0100, 0x40, 3, ScreenOffset{64, -32}},   // (0, -1)
    {"y1 rotation 01 near", 0x0001, 0x01, 3, ScreenOffset{-64, 32}},
    {"y1 rotation 04 near", 0x0001, 0x04, 3, ScreenOffset{-64, -32}},      // (-1, 0)
    {"y1 rotation 10 near", 0x0001, 0x10, 3, ScreenOffset{64, -32}},       // (0, -1)
    {"y1 rotation 40 near", 0x0001, 0x40, 3, ScreenOffset{64, 32}},        // (1, 0)
    {"x2 y1 rotation 04 middle", 0x0201, 0x04, 2, ScreenOffset{-96, 16}},  // (-1, 2)
    {"x-1 y2 rotation 40 far", 0xFF02, 0x40, 1, ScreenOffset{16, 24}},     // (2, 1)
    {"x1 y2 rotation 10 near", 0x0102, 0x10, 3, ScreenOffset{64, -96}},    // (-1, -2)
    {"x-128 y-128 rotation 01 near", 0x8080, 0x01, 3, ScreenOffset{0, -8192}},
    {"x127 y0 rotation 01 far", 0x7F00, 0x01, 1, ScreenOffset{2032, 1016}},
    {"the first tile", 0x0000, 0x40, 2, ScreenOffset{0, 0}},
    {"no such rotation", 0x0100, 0x02, 3, std::nullopt},
    {"no such zoom", 0x0100, 0x01, 4, std::nullopt},
};

class TileScreenOffsets : public testing::TestWithParam<OffsetRow> {};

TEST_P(TileScreenOffsets, TurnTheGridThenProjectIt)
{
    const OffsetRow& row = GetParam();
    EXPECT_EQ(TileScreenOffset(TilePlaceOfSubIndex(row.subIndex), row.direction, row.zoom), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rotations, TileScreenOffsets, testing::ValuesIn(kOffsets), fixtures::RowName());

TEST(TilePlaceOfSubIndex, ReadsTwoSignedBytes)
{
    EXPECT_EQ(TilePlaceOfSubIndex(0x0102), (TilePlace{1, 2}));
    EXPECT_EQ(TilePlaceOfSubIndex(0x7F80), (TilePlace{127, -128}));
    EXPECT_EQ(TilePlaceOfSubIndex(0xFFFF), (TilePlace{-1, -1}));
}

// The nine tiles of the stage, a to i (tile k = x * 3 + y), as each rotation
// lays them on the screen: a row a turned Y, a column a turned X, from the
// smallest; drawn out by hand.
struct Layout {
    std::uint32_t direction;
    int firstX;
    int firstY;
    const char* rows[3];
};

const Layout kStageLayouts[] = {
    {0x01, 0, 0, {"adg", "beh", "cfi"}},
    {0x04, -2, 0, {"cba", "fed", "ihg"}},
    {0x10, -2, -2, {"ifc", "heb", "gda"}},
    {0x40, 0, -2, {"ghi", "def", "abc"}},
};

// The top face of the object as a whole: each pixel whose centre falls in a
// tile's diamond has that tile's colour, so a tile out of place, a seam, a gap
// or a tile behind drawn over the one in front fails.
void ExpectTopFaces(const Composite& composite, const Layout& layout, std::uint32_t zoom, int raised,
                    const std::string& where)
{
    const int scale = 1 << (kNearZoom - zoom);
    const double w = 64.0 / scale, h = 32.0 / scale;
    int checked = 0, wrong = 0;
    for (int y = 0; y < composite.height; ++y)
        for (int x = 0; x < composite.width; ++x) {
            // From the first tile's top centre, in tile units along the turned axes.
            const double dx = (x + 0.5 - static_cast<double>(composite.originX)) / w;
            const double dy =
                (y + 0.5 - static_cast<double>(composite.originY) + static_cast<double>(raised) / scale) / h;
            const int turnedX = static_cast<int>(std::floor((dx + dy) / 2 + 0.5));
            const int turnedY = static_cast<int>(std::floor((dy - dx) / 2 + 0.5));
            const int column = turnedX - layout.firstX, row = turnedY - layout.firstY;
            if (column < 0 || column > 2 || row < 0 || row > 2)
                continue;
            const int tile = layout.rows[row][column] - 'a';
            ++checked;
            if (PixelAt(composite, x, y) != (0xFF000000 | fixtures::TileTopColour(tile)) && ++wrong <= 3)
                ADD_FAILURE() << where << ": pixel (" << x << ", " << y << ") is not tile "
                              << layout.rows[row][column] << "'s top";
        }
    EXPECT_EQ(checked, 9 * static_cast<int>(4 * w * h / 2)) << where;  // nine diamonds of 2w x 2h
    EXPECT_EQ(wrong, 0) << where;
}

TEST(ComposeObjectViews, LaysTheNineTilesOfEachRotationEdgeToEdge)
{
    fixtures::IffBuilder file;
    fixtures::AddMultiTileObjectFile(file, fixtures::kNineTileStage);
    const OpenFile stage = Load(file.Build());
    const ObjectTiles tiles = FindObjectTiles(stage.Chunks, fixtures::kNineTileStage.masterId);
    ASSERT_EQ(tiles.tiles.size(), 9u);
    const ObjectViews views = ComposeObjectViews(tiles, stage.Chunks);
    EXPECT_EQ(views.notes, std::vector<std::string>{});
    ASSERT_EQ(views.views.size(), 12u);
    for (std::size_t rotation = 0; rotation < 4; ++rotation)
        for (std::size_t zoomRow = 0; zoomRow < 3; ++zoomRow) {
            const std::string where =
                "rotation " + std::to_string(rotation) + ", zoom row " + std::to_string(zoomRow);
            const auto& view = views.views[zoomRow * 4 + rotation];
            ASSERT_TRUE(view && view->value) << where;
            EXPECT_EQ(view->value->warnings, std::vector<std::string>{}) << where;
            ExpectTopFaces(*view->value, kStageLayouts[rotation], kZoomsNearFirst[zoomRow],
                           fixtures::kNineTileStage.height, where);
        }
}

TEST(ComposeObjectPicture, PutsAMastersTilesTogetherWhereItHasNoDrawGroup)
{
    fixtures::IffBuilder file;
    fixtures::AddMultiTileObjectFile(file, fixtures::kTwoTileBench);
    const OpenFile bench = Load(file.Build());
    const ChunkInfo* master =
        bench.Chunks.Find(FindChunk(bench.Chunks, "OBJD", fixtures::kMultiTileMasterId));
    ASSERT_NE(master, nullptr);
    const Decoded<ObjectDefinition> definition = DecodeObjectDefinition(ChunkBody(*master));
    ASSERT_TRUE(definition.value);
    EXPECT_TRUE(IsTileGroupMaster(*definition.value));
    const CataloguePicture picture = ComposeObjectPicture(bench.Chunks, *definition.value);
    ASSERT_TRUE(picture.picture);
    EXPECT_EQ(picture.notes, std::vector<std::string>{});
    // Two tiles side by side: three half tiles wide, their blocks 40 pixels tall.
    EXPECT_EQ(picture.picture->width, 192);
    EXPECT_EQ(picture.picture->height, 96 + 40);
    // Without the tiles, the master's own graphic is not in the file.
    EXPECT_EQ(ComposeDrawGroupPicture(bench.Chunks, fixtures::kMultiTileMissingGraphic).notes,
              std::vector<std::string>{"The file has no DGRP 100 (0x0064)."});
}

TEST(ChooseCataloguePicture, SaysWhyTheRotationsPassedOverDrawNothing)
{
    Composite drawn;
    drawn.width = drawn.height = 1;
    drawn.pixels = {0xFF000000};
    Composite blank;
    blank.warnings = {"Entry 0: no SPR2 512 (0x0200)"};
    std::vector<std::optional<Decoded<Composite>>> views(12);
    views[0] = Decoded<Composite>::Of(blank);
    views[1] = Decoded<Composite>::Decline("The image spans 5000 x 1 pixels, more than 4096 a side.");
    views[3] = Decoded<Composite>::Of(drawn);
    views[4] = Decoded<Composite>::Of(drawn);  // the middle zoom is not the catalogue's
    const CataloguePicture chosen = ChooseCataloguePicture(views);
    ASSERT_TRUE(chosen.picture);
    EXPECT_EQ(chosen.direction, 0x40u);
    EXPECT_EQ(chosen.notes,
              (std::vector<std::string>{
                  "Rotation 0x01 draws nothing: Entry 0: no SPR2 512 (0x0200).",
                  "Rotation 0x04 draws nothing: The image spans 5000 x 1 pixels, more than 4096 a side.",
                  "Rotation 0x10 draws nothing: there is no image of it at the near zoom.",
                  "The picture shows rotation 0x40.",
              }));
    views[3].reset();
    views[0] = Decoded<Composite>::Of(Composite{});
    const CataloguePicture none = ChooseCataloguePicture(views);
    EXPECT_FALSE(none.picture);
    ASSERT_EQ(none.notes.size(), 4u);
    EXPECT_EQ(none.notes[0], "Rotation 0x01 draws nothing: its image places no sprite that shows.");
}

// A master and two tiles written out by hand, at the far zoom: tile (0, 0)
// draws two red pixels, tile (1, 0) two green ones, a quarter tile away.
OpenFile HandWrittenPair()
{
    const Bytes palette = {
        0x00, 0x00, 0x00, 0x00,                          // version 0
        0x03, 0x00, 0x00, 0x00,                          // three colours
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // reserved
        0x00, 0x00, 0x00,                                // 0 black
        0xFF, 0x00, 0x00,                                // 1 red
        0x00, 0xFF, 0x00,                                // 2 green
    };
    const Bytes sprite = {
        0xE8, 0x03, 0x00, 0x00,  // version 1000
        0x02, 0x00, 0x00, 0x00,  // two frames
        0x01, 0x00, 0x00, 0x00,  // palette 1
        0x14, 0x00, 0x00, 0x00,  // frame 0 at byte 20
        0x2E, 0x00, 0x00, 0x00,  // frame 1 at byte 46
        // frame 0: 2 x 1 red at depth 50
        0x02, 0x00, 0x01, 0x00,  // width 2, height 1
        0x03, 0x00, 0x00, 0x00,  // colour and depth
        0x01, 0x00, 0x00, 0x00,  // palette 1, transparent index 0
        0x00, 0x00, 0x00, 0x00,  // y, x
        0x08, 0x00, 0x02, 0x20,  // row 0, 8 bytes: command 1, two pixels of depth and index:
        0x32, 0x01, 0x32, 0x01,  //   red at 50, red at 50
        0x00, 0xA0,              // end of frame
        // frame 1: 2 x 1 green at depth 50
        0x02, 0x00, 0x01, 0x00,  // width 2, height 1
        0x03, 0x00, 0x00, 0x00,  // colour and depth
        0x01, 0x00, 0x00, 0x00,  // palette 1, transparent index 0
        0x00, 0x00, 0x00, 0x00,  // y, x
        0x08, 0x00, 0x02, 0x20,  // row 0: two pixels
        0x32, 0x02, 0x32, 0x02,  //   green at 50, green at 50
        0x00, 0xA0,              // end of frame
    };
    const auto tileGroup = [](std::uint8_t frame) {
        return Bytes{
            0x20,  0x4E,              // version 20000
            0x02,  0x00,              // two images
            0x01,  0x00, 0x01, 0x01,  // one sprite; rotation 0x01, far zoom
            0x00,  0x00, 0x0A, 0x00,  //   SPR2 10,
            frame, 0x00, 0x00, 0x00,  //   the frame, flags 0,
            0x00,  0x00, 0x00, 0x00,  //   x 0, y 0: the row above the anchor
            0x01,  0x00, 0x10, 0x01,  // one sprite; rotation 0x10, far zoom
            0x00,  0x00, 0x0A, 0x00,  //   SPR2 10,
            frame, 0x00, 0x00, 0x00,  //   the frame, flags 0,
            0x00,  0x00, 0x00, 0x00,  //   x 0, y 0
        };
    };
    const Bytes master = {
        0x8A, 0x00, 0x00, 0x00,  // version 138
        0x00, 0x00, 0x00, 0x00,  // words 0, 1: no base graphic
        0x00, 0x00, 0x00, 0x00,  // words 2, 3
        0x00, 0x00, 0x00, 0x00,  // words 4, 5
        0x00, 0x00, 0x04, 0x00,  // word 6; word 7, type 4: normal
        0x42, 0x00, 0xFF, 0xFF,  // word 8, master ID 0x42; word 9, sub-index -1: the master
    };
    const Bytes first = {
        0x8A, 0x00, 0x00, 0x00,  // version 138
        0x00, 0x00, 0x01, 0x00,  // word 0; word 1, base graphic DGRP 1
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00,  // type 4
        0x42, 0x00, 0x00, 0x00,  // master ID 0x42; sub-index 0x0000: x 0, y 0
    };
    const Bytes second = {
        0x8A, 0x00, 0x00, 0x00,                                                  // version 138
        0x00, 0x00, 0x02, 0x00,                                                  // base graphic DGRP 2
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00,  // type 4
        0x42, 0x00, 0x00, 0x01,  // master ID 0x42; sub-index 0x0100: x 1, y 0
    };
    return Load(fixtures::IffBuilder()
                    .Chunk("PALT", "", palette, fixtures::ChunkId(1))
                    .Chunk("SPR2", "", sprite, fixtures::ChunkId(10))
                    .Chunk("DGRP", "", tileGroup(0), fixtures::ChunkId(1))
                    .Chunk("DGRP", "", tileGroup(1), fixtures::ChunkId(2))
                    .Chunk("OBJD", "Master", master, fixtures::ChunkId(128))
                    .Chunk("OBJD", "Tile 0", first, fixtures::ChunkId(129))
                    .Chunk("OBJD", "Tile 1", second, fixtures::ChunkId(130))
                    .Build());
}

TEST(ComposeObjectViews, PlacesAPairWrittenByHand)
{
    const OpenFile pair = HandWrittenPair();
    const ObjectTiles tiles = FindObjectTiles(pair.Chunks, 0x42);
    ASSERT_EQ(tiles.tiles.size(), 2u);
    EXPECT_EQ(tiles.tiles[1].place, (TilePlace{1, 0}));
    EXPECT_EQ(tiles.tiles[1].drawGroupId, 2);
    const ObjectViews views = ComposeObjectViews(tiles, pair.Chunks);
    constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00;
    // Far, rotation 0x01: the second tile 16 right and 8 down; 0x10: 16 left and 8 up.
    const struct {
        std::size_t view;
        std::int64_t originX, originY;
        std::uint32_t topLeft, bottomRight;
    } rows[] = {{8, 0, 1, kRed, kGreen}, {10, 16, 9, kGreen, kRed}};
    for (const auto& row : rows) {
        ASSERT_TRUE(views.views[row.view] && views.views[row.view]->value) << row.view;
        const Composite& composite = *views.views[row.view]->value;
        EXPECT_EQ(composite.width, 18) << row.view;
        EXPECT_EQ(composite.height, 9) << row.view;
        EXPECT_EQ(composite.originX, row.originX) << row.view;
        EXPECT_EQ(composite.originY, row.originY) << row.view;
        EXPECT_EQ(PixelAt(composite, 1, 0), row.topLeft) << row.view;
        EXPECT_EQ(PixelAt(composite, 16, 8), row.bottomRight) << row.view;
        EXPECT_EQ(PixelAt(composite, 2, 0), 0u) << row.view;
    }
    EXPECT_FALSE(views.views[0]);  // no tile draws the near zoom
}

// A list names an object by its definition's chunk number and ID; the file
// may have changed since, so the ID has the last word.
struct ListedRow {
    const char* name;
    int chunkFrom;  // >0: that chunk number; 0: the master's; -1: the first tile's
    std::uint16_t objdId;
    int width;  // of the picture; 0 for none
    std::vector<std::string> notes;
};

void PrintTo(const ListedRow& row, std::ostream* out) { *out << row.name; }

const ListedRow kListedRows[] = {
    {"the master by its chunk", 0, fixtures::kMultiTileMasterId, 192, {}},
    {"a stale chunk number", 1, fixtures::kMultiTileMasterId, 192, {}},
    {"a chunk number past the end", 9999, fixtures::kMultiTileMasterId, 192, {}},
    {"a tile, its own graphic", -1, fixtures::kFirstTileDefinitionId, 128, {}},
    {"another definition's chunk", -1, fixtures::kMultiTileMasterId, 192, {}},
    {"no such definition", 0, 7, 0, {"The file has no OBJD 7 (0x0007)."}},
};

class ListedObjectPicture : public testing::TestWithParam<ListedRow> {};

TEST_P(ListedObjectPicture, FindsTheDefinitionByChunkThenById)
{
    const ListedRow& row = GetParam();
    fixtures::IffBuilder file;
    fixtures::AddMultiTileObjectFile(file, fixtures::kTwoTileBench);
    const OpenFile bench = Load(file.Build());
    const ChunkNumber chunk = row.chunkFrom > 0 ? static_cast<ChunkNumber>(row.chunkFrom)
                              : row.chunkFrom == 0
                                  ? FindChunk(bench.Chunks, "OBJD", fixtures::kMultiTileMasterId)
                                  : FindChunk(bench.Chunks, "OBJD", fixtures::kFirstTileDefinitionId);
    const CataloguePicture picture = ComposeListedObjectPicture(bench.Chunks, chunk, row.objdId);
    EXPECT_EQ(picture.picture ? picture.picture->width : 0, row.width);
    EXPECT_EQ(picture.notes, row.notes);
}

INSTANTIATE_TEST_SUITE_P(Rows, ListedObjectPicture, testing::ValuesIn(kListedRows), fixtures::RowName());

TEST(ComposeListedObjectPicture, SaysWhyADefinitionWrittenByHandShowsNothing)
{
    const OpenFile pair = HandWrittenPair();
    // Its tiles draw only the far zoom: the catalogue's near zoom is empty.
    const CataloguePicture far = ComposeListedObjectPicture(pair.Chunks, 5, 128);
    EXPECT_FALSE(far.picture);
    ASSERT_EQ(far.notes.size(), 4u);
    EXPECT_EQ(far.notes[0], "Rotation 0x01 draws nothing: there is no image of it at the near zoom.");

    const OpenFile cut =
        Load(fixtures::IffBuilder()
                 .Chunk("OBJD", "", Bytes{0x8A, 0x00}, fixtures::ChunkId(128))  // half a version
                 .Build());
    EXPECT_EQ(
        ComposeListedObjectPicture(cut.Chunks, 1, 128).notes,
        std::vector<std::string>{"OBJD 128 (0x0080): The definition is too short to hold its version."});
}

// A group of many tiles, or of tiles far apart, as a damaged or hostile file
// may hold: refused with a reason, never a canvas past the limit.
TEST(ComposeObjectViews, RefusesTooManyTilesAndTooWideAnObject)
{
    const auto group = [](const std::vector<std::uint16_t>& subIndices) {
        fixtures::IffBuilder file;
        file.Chunk("SPR2", "",
                   fixtures::Sprite2Body(
                       1000, 1, {fixtures::Sprite2PictureFrame({0, 0, 1, 0, 0, 0, 0}, {1, 1, {1}, {}, {}})}),
                   fixtures::ChunkId(10))
            .Chunk("DGRP", "", fixtures::DrawGroupBody(20004, {{0x01, 3, {{10, 0, 0, 0, 0, 0, 0, 0}}}}),
                   fixtures::ChunkId(1));
        std::uint16_t id = 1;
        for (const std::uint16_t subIndex : subIndices)
            file.Chunk("OBJD", "", fixtures::ObjectDefinitionBody(138, 10, {{1, 1}, {8, 7}, {9, subIndex}}),
                       fixtures::ChunkId(id++));
        return Load(file.Build());
    };
    const OpenFile many = group(std::vector<std::uint16_t>(kMaxObjectTiles + 1, 0));
    const ObjectTiles refused = FindObjectTiles(many.Chunks, 7);
    EXPECT_TRUE(refused.tiles.empty());
    EXPECT_EQ(refused.refused, "The object has 1025 tiles, more than 1024: it is not drawn.");

    const OpenFile hundreds = group(std::vector<std::uint16_t>(300, 0x0101));
    EXPECT_EQ(FindObjectTiles(hundreds.Chunks, 7).tiles.size(), 300u);

    const OpenFile wide = group({0x8000, 0x7F00});  // x -128 and x 127
    const ObjectViews views = ComposeObjectViews(FindObjectTiles(wide.Chunks, 7), wide.Chunks);
    ASSERT_TRUE(views.views[0]);
    EXPECT_FALSE(views.views[0]->value);
    EXPECT_EQ(views.views[0]->declined, "The image spans 16321 x 8161 pixels, more than 4096 a side.");
}

TEST(DrawGroupCompositor, DeclinesFramesHoldingTooManyPixels)
{
    constexpr int kSide = 1024;
    const Bytes frame = fixtures::Sprite2PictureFrame(
        {kSide, kSide, 1, 0, 0, 0, 0},
        {kSide, kSide, std::vector<int>(std::size_t{kSide} * kSide, 1), {}, {}});
    const OpenFile file =
        Load(fixtures::IffBuilder()
                 .Chunk("SPR2", "", fixtures::Sprite2Body(1000, 1, {frame}), fixtures::ChunkId(10))
                 .Build());
    // 64 of them fit the budget; one more does not, though the canvas is small.
    for (const std::size_t count : {std::size_t{64}, std::size_t{65}}) {
        const DrawGroupImage image{0x01, 3, std::vector<DrawGroupSprite>(count, {10, 0, 0, 0, 0, 0, 0, 0})};
        const Decoded<Composite> composite = DrawGroupCompositor(file.Chunks).Compose(image);
        EXPECT_EQ(composite.value.has_value(), count == 64) << count;
    }
}

}  // namespace
}  // namespace tarnwick
