#include "ui/inspector/view_for_chunk.h"

#include "model/container/chunk_summary.h"
#include "model/decoders/behaviour.h"
#include "model/decoders/draw_group.h"
#include "model/decoders/hex_rows.h"
#include "model/decoders/interactions.h"
#include "model/decoders/object_definition.h"
#include "model/decoders/palette.h"
#include "model/decoders/resource_map.h"
#include "model/decoders/small_tables.h"
#include "model/decoders/sprite.h"
#include "model/decoders/text_table.h"
#include "ui/inspector/views/behaviour_view.h"
#include "ui/inspector/views/draw_group_view.h"
#include "ui/inspector/views/hex_view.h"
#include "ui/inspector/views/interactions_view.h"
#include "ui/inspector/views/object_definition_view.h"
#include "ui/inspector/views/palette_view.h"
#include "ui/inspector/views/picture_view.h"
#include "ui/inspector/views/resource_map_view.h"
#include "ui/inspector/views/small_table_views.h"
#include "ui/inspector/views/sprite_frames_view.h"
#include "ui/inspector/views/text_table_view.h"
#include "widgets/bitmap_file.h"

namespace tarnwick {

namespace {

bool IsStringTable(const std::string& type) { return type == "STR#" || type == "CTSS" || type == "TTAs"; }

InspectorView* HexViewOf(const ChunkInfo& chunk)
{
    return new HexView(HexRows(chunk.Data, SummariseChunk(chunk, 0).offset));
}

template <typename Value>
InspectorView* ViewOr(Decoded<Value> decoded, QString& declined, const ChunkInfo& chunk,
                      const std::function<InspectorView*(Value&)>& make)
{
    if (!decoded.value) {
        declined = QString::fromStdString(decoded.declined);
        return HexViewOf(chunk);
    }
    return make(*decoded.value);
}

}  // namespace

InspectorView* MakeViewForChunk(const ChunkInfo& chunk, InspectorContext& context,
                                std::function<void(std::int32_t)> pickOffset, QString& declined)
{
    const OpenFile& openFile = context.openFile;
    const ByteSpan body = ChunkBody(chunk);
    if (IsStringTable(chunk.Type))
        return ViewOr<TextTable>(DecodeTextTable(body), declined, chunk, [&](TextTable& table) {
            return new TextTableView(std::move(table), context);
        });
    if (chunk.Type == "PALT")
        return ViewOr<Palette>(DecodePalette(body), declined, chunk,
                               [](Palette& palette) { return new PaletteView(std::move(palette)); });
    if (chunk.Type == "SPR#" || chunk.Type == "SPR2") {
        const auto show = [&](Sprite& sprite) {
            return new SpriteFramesView(std::move(sprite), openFile.Chunks, chunk.Id);
        };
        return ViewOr<Sprite>(chunk.Type == "SPR#" ? DecodeOldSprite(body) : DecodeSprite2(body), declined,
                              chunk, show);
    }
    if (chunk.Type == "BMP_" || chunk.Type == "FBMP") {
        QImage picture = DecodeBitmapInMemory(body, kMaxFrameSide, declined);
        return picture.isNull() ? HexViewOf(chunk) : new PictureView(std::move(picture));
    }
    if (chunk.Type == "DGRP")
        return ViewOr<DrawGroup>(DecodeDrawGroup(body), declined, chunk,
                                 [&](DrawGroup& group) { return new DrawGroupView(group, openFile.Chunks); });
    if (chunk.Type == "OBJD")
        return ViewOr<ObjectDefinition>(
            DecodeObjectDefinition(body), declined, chunk, [&](ObjectDefinition& definition) {
                return new ObjectDefinitionView(std::move(definition), chunk.Label, context);
            });
    if (chunk.Type == "BHAV")
        return ViewOr<Behaviour>(DecodeBehaviour(body), declined, chunk, [&](Behaviour& behaviour) {
            return new BehaviourView(std::move(behaviour), context);
        });
    if (chunk.Type == "TTAB")
        return ViewOr<InteractionTable>(DecodeInteractions(body), declined, chunk,
                                        [&](InteractionTable& table) {
                                            return new InteractionsView(std::move(table), context, chunk.Id);
                                        });
    if (chunk.Type == "BCON")
        return ViewOr<Constants>(DecodeConstants(body), declined, chunk, [](Constants& constants) {
            return new ConstantsView(std::move(constants));
        });
    if (chunk.Type == "GLOB")
        return ViewOr<GlobalName>(DecodeGlobalName(body), declined, chunk,
                                  [](GlobalName& global) { return new GlobalNameView(std::move(global)); });
    if (chunk.Type == "rsmp")
        return new ResourceMapView(ParseResourceMap(chunk.Data.span()), std::move(pickOffset));
    return HexViewOf(chunk);
}

}  // namespace tarnwick
