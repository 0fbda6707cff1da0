// The inspector's costs: each decoder over chunks as large as real files hold,
// a chunk shown in the inspector to its first paint, and a step through a
// 1000-chunk file with the inspector following (offscreen).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <QTest>

#include "bench/bench_files.h"
#include "fixtures/game_files.h"
#include "fixtures/window_test.h"
#include "model/container/chunk_summary.h"
#include "model/decoders/palette.h"
#include "model/decoders/sprite.h"
#include "model/decoders/text_table.h"
#include "synth/bmp_builder.h"
#include "synth/memory_registry.h"
#include "synth/sprite_builder.h"
#include "synth/text_table_builder.h"
#include "ui/common/control_names.h"
#include "ui/inspector/inspector_link.h"
#include "ui/inspector/inspector_window.h"
#include "ui/main/main_window.h"
#include "widgets/dir_list_box.h"
#include "widgets/file_list_box.h"

namespace tarnwick::bench {

namespace {

// A frame of `width` x `height` with every channel: a shaded disc, transparent
// around it, partly transparent at its rim.
fixtures::SpritePicture Disc(int width, int height)
{
    fixtures::SpritePicture disc{width, height, {}, {}, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double dx = (x - width / 2.0) / (width / 2.0), dy = (y - height / 2.0) / (height / 2.0);
            const double r = dx * dx + dy * dy;
            disc.indices.push_back(r < 1 ? (x * 7 + y * 3) % 256 : -1);
            disc.depth.push_back(static_cast<std::uint8_t>(r < 1 ? r * 255 : 255));
            disc.alpha.push_back(r < 0.8 ? 31 : 12);
        }
    return disc;
}

// An SPR2 of `frames` frames like the largest of real files: 136 x 384 at the
// near zoom, half and a quarter of that at the others.
Bytes LargeSprite2(std::size_t frames)
{
    std::vector<Bytes> encoded;
    for (std::size_t i = 0; i < frames; ++i) {
        const int scale = 1 << (i / 4 % 3);
        encoded.push_back(
            fixtures::Sprite2PictureFrame({0, 0, 7, 0, 0, 0, 0}, Disc(136 / scale, 384 / scale)));
    }
    return fixtures::Sprite2Body(1000, 1, encoded);
}

Bytes LargeTextTable()
{
    std::vector<fixtures::TextRecord> records;
    for (int language = 1; language <= 20; ++language)
        for (int i = 0; i < 100; ++i)
            records.push_back(
                {language, "String number " + std::to_string(i) + " of a long table", "comment"});
    return fixtures::TextTableBody(TextTableLayout::Languages, records);
}

std::vector<std::uint32_t> Colours()
{
    std::vector<std::uint32_t> colours;
    for (std::uint32_t i = 0; i < 256; ++i)
        colours.push_back(i * 0x010203u & 0xFFFFFF);
    return colours;
}

void DecodeSprite2Frames(benchmark::State& state)
{
    const Bytes body = LargeSprite2(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeSprite2(body));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(body.size()));
    state.counters["KiB"] = static_cast<double>(body.size()) / 1024;
}
BENCHMARK(DecodeSprite2Frames)
    ->ArgName("frames")
    ->Arg(6)
    ->Arg(12)
    ->Arg(24)
    ->Arg(48)
    ->Unit(benchmark::kMicrosecond);

void DecodeLargeTextTable(benchmark::State& state)
{
    const Bytes body = LargeTextTable();
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeTextTable(body));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(body.size()));
}
BENCHMARK(DecodeLargeTextTable)->Unit(benchmark::kMicrosecond);

// A file of the largest chunks of each kind the inspector decodes.
const OpenFile& LargeChunks()
{
    static OpenFile openFile = [] {
        OpenFile loaded;
        fixtures::Bitmap picture{1024, 768, 24, false, {}, {}, {}};
        for (std::uint32_t i = 0; i < 1024 * 768; ++i)
            picture.pixels.push_back(i * 2654435761u & 0xFFFFFF);
        fixtures::LoadBytes(loaded,
                            fixtures::IffBuilder()
                                .Chunk("PALT", "", fixtures::PaletteBody(Colours()), fixtures::ChunkId(1))
                                .Chunk("SPR2", "", LargeSprite2(24), fixtures::ChunkId(1))
                                .Chunk("STR#", "", LargeTextTable(), fixtures::ChunkId(2))
                                .Chunk("BMP_", "", fixtures::BmpFile(picture), fixtures::ChunkId(3))
                                .Chunk("DATA", "", VariedBytes(64 * kMiB), fixtures::ChunkId(4))
                                .Build());
        return loaded;
    }();
    return openFile;
}

// From the call to the window painted: decode, build the view, lay out, paint.
void ShowInInspector(benchmark::State& state)
{
    InspectorWindow window(LargeChunks());
    window.show();
    for (auto _ : state) {
        window.ShowChunk(static_cast<ChunkNumber>(state.range(0)));
        window.repaint();
        QCoreApplication::processEvents();
    }
}
// 1 palette, 2 sprite of 24 frames (~800 KiB), 3 table of 2000 strings, 4 bitmap 1024 x 768, 5 64 MiB of
// bytes.
BENCHMARK(ShowInInspector)->ArgName("chunk")->DenseRange(1, 5)->Unit(benchmark::kMillisecond);

// One press of the down arrow in the main window's 1000-chunk list with the
// inspector open and following: everything done before the next key comes.
void StepWithInspectorOpen(benchmark::State& state)
{
    fixtures::GameFolder game;
    OpenFile openFile;
    fixtures::MemoryRegistry noGame;
    MainWindow form(openFile, noGame);
    form.show();
    fixtures::Find<DirListBox>(&form, names::kFolderList)->SetPath(game.Characters());
    QCoreApplication::processEvents();
    auto* files = fixtures::Find<FileListBox>(&form, names::kFileList);
    auto* chunks = fixtures::Find<QListWidget>(&form, names::kChunkList);
    if (files == nullptr || chunks == nullptr || !files->ChooseFile(QStringLiteral("many.IFF"))) {
        state.SkipWithError("the file list does not show many.IFF");
        return;
    }
    chunks->setCurrentRow(0);
    QTest::keyClick(chunks, Qt::Key_Return);
    if (!form.Inspection().Window()) {
        state.SkipWithError("the inspector did not open");
        return;
    }
    for (auto _ : state) {
        if (chunks->currentRow() + 1 >= chunks->count()) {
            state.PauseTiming();
            chunks->setCurrentRow(0);
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
        QTest::keyClick(chunks, Qt::Key_Down);
        QCoreApplication::processEvents();
    }
    if (form.Inspection().Window()->ChunkIndex() != ListedChunk(chunks->currentRow()))
        state.SkipWithError("the inspector did not follow");
}
BENCHMARK(StepWithInspectorOpen)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace tarnwick::bench
