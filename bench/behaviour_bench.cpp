// The costs of behaviours and interactions: a 1000-instruction behaviour
// decoded, then shown in the inspector to its first paint, in a file of 300
// behaviours it calls; an interaction table of 100 entries the same way.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "fixtures/game_files.h"
#include "model/decoders/behaviour.h"
#include "model/decoders/interactions.h"
#include "synth/behaviour_builder.h"
#include "synth/sprite_builder.h"
#include "synth/text_table_builder.h"
#include "ui/inspector/inspector_window.h"

namespace tarnwick::bench {

namespace {

using fixtures::Bytes;

// Every kind of opcode and target; a third of the instructions call a
// behaviour of the file.
Bytes LongBehaviour()
{
    std::vector<Instruction> instructions;
    instructions.reserve(1000);
    for (std::uint16_t i = 0; i < 1000; ++i) {
        const std::uint16_t opcode = i % 3 == 0   ? static_cast<std::uint16_t>(4096 + i % 300)
                                     : i % 3 == 1 ? static_cast<std::uint16_t>(i % 256)
                                                  : static_cast<std::uint16_t>(i % 2 ? 300 : 8200);
        instructions.push_back({opcode,
                                static_cast<std::uint8_t>((i + 1) % 256),
                                static_cast<std::uint8_t>(253 + i % 3),
                                {1, 2, 3, 4, 5, 6, 7, 8}});
    }
    return fixtures::BehaviourBody({0x8003, 0, 2, 4, 0, -1}, instructions);
}

std::vector<Interaction> Menu()
{
    std::vector<Interaction> menu;
    menu.reserve(100);
    for (std::uint16_t i = 0; i < 100; ++i)
        menu.push_back({static_cast<std::uint16_t>(4096 + i),
                        static_cast<std::uint16_t>(4196 + i),
                        i,
                        i,
                        3,
                        0x3F800000,
                        50,
                        -1,
                        {{0, 10, 0}, {-5, 20, 1}, {0, -3, 0}},
                        0});
    return menu;
}

const OpenFile& ObjectFile()
{
    static OpenFile openFile = [] {
        fixtures::IffBuilder file;
        file.Chunk("BHAV", "Long", LongBehaviour(), fixtures::ChunkId(4096));
        std::vector<fixtures::TextRecord> texts;
        texts.reserve(100);
        for (int i = 0; i < 100; ++i)
            texts.push_back({1, "Interaction " + std::to_string(i), ""});
        file.Chunk("TTAB", "Menu", fixtures::InteractionsBody(9, Menu(), true), fixtures::ChunkId(200));
        file.Chunk("TTAs", "Menu", fixtures::TextTableBody(TextTableLayout::Languages, texts),
                   fixtures::ChunkId(200));
        for (std::uint16_t id = 4097; id < 4396; ++id)
            file.Chunk("BHAV", "Called " + std::to_string(id),
                       fixtures::BehaviourBody({}, {{2, 254, 255, {}}}), fixtures::ChunkId(id));
        file.Chunk("GLOB", "Semi", fixtures::ToBytes(std::string("ChairGlobals\0", 13)));
        OpenFile loaded;
        fixtures::LoadBytes(loaded, file.Build());
        return loaded;
    }();
    return openFile;
}

void DecodeLongBehaviour(benchmark::State& state)
{
    const Bytes body = LongBehaviour();
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeBehaviour(body));
}
BENCHMARK(DecodeLongBehaviour)->Unit(benchmark::kMicrosecond);

void DecodePackedInteractions(benchmark::State& state)
{
    const Bytes body = fixtures::InteractionsBody(9, Menu(), true);
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeInteractions(body));
}
BENCHMARK(DecodePackedInteractions)->Unit(benchmark::kMicrosecond);

// From the call to the window painted: decode, build the view, lay out, paint.
void ShowInInspector(benchmark::State& state)
{
    InspectorWindow window(ObjectFile());
    window.show();
    for (auto _ : state) {
        window.ShowChunk(static_cast<ChunkNumber>(state.range(0)));
        window.repaint();
        QCoreApplication::processEvents();
    }
}
// 1 the 1000-instruction behaviour, 2 the 100 interactions.
BENCHMARK(ShowInInspector)->ArgName("chunk")->DenseRange(1, 2)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace tarnwick::bench
