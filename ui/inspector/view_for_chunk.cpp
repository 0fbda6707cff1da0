#include "ui/inspector/view_for_chunk.h"

#include <algorithm>
#include <array>

#include "model/container/chunk_summary.h"
#include "model/container/chunk_types.h"
#include "model/decoders/behaviour.h"
#include "model/decoders/draw_group.h"
#include "model/decoders/hex_rows.h"
#include "model/decoders/interactions.h"
#include "model/decoders/object_definition.h"
#include "model/decoders/palette.h"
#include "model/decoders/resource_map.h"
#include "model/decoders/small_tables.h"
#include "model/decoders/sound_event.h"
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
#include "ui/inspector/views/sound_event_view.h"
#include "ui/inspector/views/sprite_frames_view.h"
#include "ui/inspector/views/text_table_view.h"
#include "widgets/bitmap_file.h"

namespace tarnwick {

namespace {

using namespace chunk_type;

// What a view is made from.
struct ViewInputs {
    const ChunkInfo& chunk;
    InspectorContext& context;
    std::function<void(std::int32_t)>& pickOffset;

    [[nodiscard]] ByteSpan Body() const { return ChunkBody(chunk); }
    [[nodiscard]] const ChunkTable& Chunks() const { return context.openFile.Chunks; }
};

std::unique_ptr<InspectorView> HexViewOf(const ChunkInfo& chunk)
{
    return std::make_unique<HexView>(HexRows(chunk.Data, SummariseChunk(chunk, 0).offset));
}

// The view `make` gives a decoded value; the hex view, and why, when declined.
template <typename Value, typename Make>
ChunkViewMade ViewOr(const ChunkInfo& chunk, Decoded<Value> decoded, Make make)
{
    if (!decoded.value)
        return {HexViewOf(chunk), QString::fromStdString(decoded.declined)};
    return {make(std::move(*decoded.value)), {}};
}

ChunkViewMade TextsView(const ViewInputs& in)
{
    return ViewOr(in.chunk, DecodeTextTable(in.Body()), [&](TextTable table) {
        return std::make_unique<TextTableView>(std::move(table), in.context);
    });
}

ChunkViewMade PaletteViewOf(const ViewInputs& in)
{
    return ViewOr(in.chunk, DecodePalette(in.Body()),
                  [](Palette palette) { return std::make_unique<PaletteView>(std::move(palette)); });
}

ChunkViewMade SpriteView(const ViewInputs& in)
{
    return ViewOr(in.chunk,
                  in.chunk.Type == kOldSprite ? DecodeOldSprite(in.Body()) : DecodeSprite2(in.Body()),
                  [&](Sprite sprite) {
                      return std::make_unique<SpriteFramesView>(std::move(sprite), in.Chunks(), in.chunk.Id);
                  });
}

ChunkViewMade BitmapView(const ViewInputs& in)
{
    QString declined;
    QImage picture = DecodeBitmapInMemory(in.Body(), kMaxFrameSide, declined);
    if (picture.isNull())
        return {HexViewOf(in.chunk), declined};
    return {std::make_unique<PictureView>(std::move(picture)), {}};
}

ChunkViewMade DrawGroupViewOf(const ViewInputs& in)
{
    return ViewOr(in.chunk, DecodeDrawGroup(in.Body()), [&](const DrawGroup& group) {
        return std::make_unique<DrawGroupView>(group, in.Chunks());
    });
}

ChunkViewMade ObjectView(const ViewInputs& in)
{
    return ViewOr(in.chunk, DecodeObjectDefinition(in.Body()), [&](ObjectDefinition definition) {
        return std::make_unique<ObjectDefinitionView>(std::move(definition), in.chunk.Label, in.context);
    });
}

ChunkViewMade BehaviourViewOf(const ViewInputs& in)
{
    return ViewOr(in.chunk, DecodeBehaviour(in.Body()), [&](Behaviour behaviour) {
        return std::make_unique<BehaviourView>(std::move(behaviour), in.context);
    });
}

ChunkViewMade InteractionsViewOf(const ViewInputs& in)
{
    return ViewOr(in.chunk, DecodeInteractions(in.Body()), [&](InteractionTable table) {
        return std::make_unique<InteractionsView>(std::move(table), in.context, in.chunk.Id);
    });
}

ChunkViewMade ConstantsViewOf(const ViewInputs& in)
{
    return ViewOr(in.chunk, DecodeConstants(in.Body()),
                  [](Constants constants) { return std::make_unique<ConstantsView>(std::move(constants)); });
}

ChunkViewMade SemiGlobalView(const ViewInputs& in)
{
    return ViewOr(in.chunk, DecodeGlobalName(in.Body()),
                  [](GlobalName global) { return std::make_unique<GlobalNameView>(std::move(global)); });
}

ChunkViewMade SoundEventViewOf(const ViewInputs& in)
{
    return ViewOr(in.chunk, DecodeSoundEvent(in.Body()),
                  [](SoundEvent sound) { return std::make_unique<SoundEventView>(std::move(sound)); });
}

ChunkViewMade ResourceMapViewOf(const ViewInputs& in)
{
    return {
        std::make_unique<ResourceMapView>(ParseResourceMap(in.chunk.Data.span()), std::move(in.pickOffset)),
        {}};
}

struct ViewRow {
    std::string_view type;
    ChunkViewMade (*make)(const ViewInputs& in);
};

constexpr std::array kViews{
    ViewRow{kStrings, TextsView},
    ViewRow{kCatalogueStrings, TextsView},
    ViewRow{kInteractionStrings, TextsView},
    ViewRow{kPalette, PaletteViewOf},
    ViewRow{kOldSprite, SpriteView},
    ViewRow{kSprite, SpriteView},
    ViewRow{kBitmap, BitmapView},
    ViewRow{kFloorBitmap, BitmapView},
    ViewRow{kDrawGroup, DrawGroupViewOf},
    ViewRow{kObjectDefinition, ObjectView},
    ViewRow{kBehaviour, BehaviourViewOf},
    ViewRow{kInteractions, InteractionsViewOf},
    ViewRow{kConstants, ConstantsViewOf},
    ViewRow{kSemiGlobal, SemiGlobalView},
    ViewRow{kSoundEvent, SoundEventViewOf},
    ViewRow{kResourceMap, ResourceMapViewOf},
};

const ViewRow* FindRow(std::string_view type)
{
    const auto found =
        std::find_if(kViews.begin(), kViews.end(), [&](const ViewRow& row) { return row.type == type; });
    return found == kViews.end() ? nullptr : &*found;
}

}  // namespace

ChunkViewMade MakeViewForChunk(const ChunkInfo& chunk, InspectorContext& context,
                               std::function<void(std::int32_t)> pickOffset)
{
    const ViewRow* row = FindRow(chunk.Type);
    if (row == nullptr)
        return {HexViewOf(chunk), {}};
    return row->make(ViewInputs{chunk, context, pickOffset});
}

bool HasViewFor(std::string_view type) { return FindRow(type) != nullptr; }

}  // namespace tarnwick
