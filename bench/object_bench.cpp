// An object's costs. A draw group's twelve views composited by the model
// alone, and shown in the inspector to the first paint (offscreen): the
// showcase object has 3 entries an image; the heavy one 6 overlapping frames
// of 128 x 256 at the near zoom (half and a quarter at the others), every one
// with depth and alpha: more than real objects draw. The object's definition
// with every link resolved, in a file of 1000 chunks whose object chunks come
// last, so each look-up scans the whole table.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "fixtures/game_files.h"
#include "model/container/chunk_lookup.h"
#include "model/container/chunk_summary.h"
#include "model/decoders/draw_group_composite.h"
#include "model/decoders/object_definition.h"
#include "model/decoders/object_picture.h"
#include "model/decoders/text_table.h"
#include "synth/draw_group_builder.h"
#include "synth/multi_tile_object.h"
#include "synth/showcase_object.h"
#include "synth/sprite_builder.h"
#include "ui/inspector/inspector_window.h"

namespace tarnwick::bench {

namespace {

using fixtures::Bytes;

constexpr std::uint16_t kHeavyDrawGroupId = 200;
constexpr int kHeavyEntries = 6;

// A shaded disc of every channel, nearer at its middle, partly transparent at its rim.
fixtures::SpritePicture Disc(int width, int height)
{
    fixtures::SpritePicture disc{width, height, {}, {}, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double dx = (x - width / 2.0) / (width / 2.0), dy = (y - height / 2.0) / (height / 2.0);
            const double r = dx * dx + dy * dy;
            disc.indices.push_back(r < 1 ? (x * 7 + y * 3) % 256 : -1);
            disc.depth.push_back(static_cast<std::uint8_t>(r < 1 ? 40 + r * 200 : 255));
            disc.alpha.push_back(r < 0.8 ? 31 : 12);
        }
    return disc;
}

// SPR2 200: per zoom one disc frame; DGRP 200: each image six discs side by
// side, overlapping by half, mirrored in two rotations.
void AddHeavyObject(fixtures::IffBuilder& file)
{
    std::vector<Bytes> frames;
    std::vector<DrawGroupImage> images;
    for (const std::uint32_t zoom : kZoomsNearFirst) {
        const int scale = 1 << (kNearZoom - zoom);
        frames.push_back(
            fixtures::Sprite2PictureFrame({0, 0, 7, 0, 0, 0, 0}, Disc(128 / scale, 256 / scale)));
        for (const std::uint32_t direction : kDrawGroupDirections) {
            DrawGroupImage& image = images.emplace_back(DrawGroupImage{direction, zoom, {}});
            for (int i = 0; i < kHeavyEntries; ++i)
                image.sprites.push_back({kHeavyDrawGroupId, static_cast<std::uint32_t>(frames.size() - 1),
                                         (i * 64 - 192) / scale, (i % 2 * 40) / scale,
                                         direction == 0x04 || direction == 0x40 ? 1u : 0u, 0, 0, 0});
        }
    }
    file.Chunk("SPR2", "Discs", fixtures::Sprite2Body(1000, 300, frames),
               fixtures::ChunkId(kHeavyDrawGroupId))
        .Chunk("DGRP", "Discs", fixtures::DrawGroupBody(20004, images), fixtures::ChunkId(kHeavyDrawGroupId));
}

const OpenFile& Objects()
{
    static OpenFile openFile = [] {
        OpenFile loaded;
        fixtures::IffBuilder file;
        file.Header("IFF FILE 2.5:TYPE FOLLOWED BY SIZE", 0);
        for (int i = 0; i < 900; ++i)
            file.Chunk("DATA", "Filler", Bytes(8, 0), fixtures::ChunkId(static_cast<std::uint16_t>(i)));
        fixtures::AddShowcaseObjectFile(file);
        AddHeavyObject(file);
        fixtures::LoadBytes(loaded, file.Build());
        return loaded;
    }();
    return openFile;
}

std::uint16_t DrawGroupOf(const benchmark::State& state)
{
    return state.range(0) == 0 ? fixtures::kShowcaseDrawGroupId : kHeavyDrawGroupId;
}

// The model alone: decode the group, composite its twelve views.
void ComposeTwelveViews(benchmark::State& state)
{
    const ChunkTable& chunks = Objects().Chunks;
    const ChunkInfo* chunk = chunks.Find(FindChunk(chunks, "DGRP", DrawGroupOf(state)));
    for (auto _ : state) {
        const Decoded<DrawGroup> group = DecodeDrawGroup(ChunkBody(*chunk));
        benchmark::DoNotOptimize(ComposeViews(*group.value, chunks));
    }
}
// 0 the showcase object, 1 the heavy one.
BENCHMARK(ComposeTwelveViews)->ArgName("heavy")->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

// A multi-tile master's twelve views: its tiles found among the file's
// definitions, each tile's draw group read, all of them put together.
void ComposeWholeObject(benchmark::State& state)
{
    fixtures::IffBuilder file;
    file.Header("IFF FILE 2.5:TYPE FOLLOWED BY SIZE", 0);
    fixtures::AddMultiTileObjectFile(file, fixtures::kNineTileStage);
    OpenFile stage;
    fixtures::LoadBytes(stage, file.Build());
    for (auto _ : state) {
        const ObjectTiles tiles = FindObjectTiles(stage.Chunks, fixtures::kNineTileStage.masterId);
        benchmark::DoNotOptimize(ComposeObjectViews(tiles, stage.Chunks));
    }
}
BENCHMARK(ComposeWholeObject)->Unit(benchmark::kMillisecond);

// From the call to the window painted: decode, composite, build the view, lay out, paint.
void ShowDrawGroup(benchmark::State& state)
{
    const OpenFile& openFile = Objects();
    InspectorWindow window(openFile);
    window.resize(1100, 800);
    window.show();
    const ChunkNumber chunk = FindChunk(openFile.Chunks, "DGRP", DrawGroupOf(state));
    for (auto _ : state) {
        window.ShowChunk(chunk);
        window.repaint();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(ShowDrawGroup)->ArgName("heavy")->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

// The definition decoded and listed, every link looked up, the catalogue name
// and description read: what the view asks of the model.
void ResolveObjectDefinition(benchmark::State& state)
{
    const ChunkTable& chunks = Objects().Chunks;
    const ChunkInfo* chunk = chunks.Find(FindChunk(chunks, "OBJD", fixtures::kShowcaseDefinitionId));
    std::size_t found = 0;
    for (auto _ : state) {
        const Decoded<ObjectDefinition> definition = DecodeObjectDefinition(ChunkBody(*chunk));
        for (const ObjectFieldLine& line : DescribeObjectDefinition(*definition.value))
            if (!line.linkType.empty())
                found += FindChunk(chunks, line.linkType, line.linkId) != 0;
        const std::size_t strings =
            FindChunk(chunks, "CTSS", *definition.value->Word(object_word::kCatalogueStrings));
        const Decoded<TextTable> table = DecodeTextTable(ChunkBody(*chunks.Find(strings)));
        benchmark::DoNotOptimize(FindText(*table.value, 0, 1));
        benchmark::DoNotOptimize(FindText(*table.value, 1, 1));
    }
    if (found == 0)
        state.SkipWithError("no link of the definition was found");
}
BENCHMARK(ResolveObjectDefinition)->Unit(benchmark::kMicrosecond);

// From the call to the window painted: the definition, its links, its
// thumbnail composited and its catalogue texts.
void ShowObjectDefinition(benchmark::State& state)
{
    const OpenFile& openFile = Objects();
    InspectorWindow window(openFile);
    window.resize(780, 600);
    window.show();
    const auto chunk = FindChunk(openFile.Chunks, "OBJD", fixtures::kShowcaseDefinitionId);
    for (auto _ : state) {
        window.ShowChunk(chunk);
        window.repaint();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(ShowObjectDefinition)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace tarnwick::bench
