#include "model/decoders/decoded_types.h"

#include <algorithm>
#include <array>

#include "model/container/chunk_lookup.h"
#include "model/container/chunk_summary.h"
#include "model/container/chunk_types.h"
#include "model/decoders/behaviour.h"
#include "model/decoders/bmp_header.h"
#include "model/decoders/draw_group_composite.h"
#include "model/decoders/interactions.h"
#include "model/decoders/object_definition.h"
#include "model/decoders/palette.h"
#include "model/decoders/palette_choice.h"
#include "model/decoders/resource_map.h"
#include "model/decoders/small_tables.h"
#include "model/decoders/sound_event.h"
#include "model/decoders/sprite.h"
#include "model/decoders/text_table.h"

namespace tarnwick {

namespace {

using namespace chunk_type;

template <typename Value>
ChunkReading Summed(const Decoded<Value>& decoded, std::string (*sum)(const Value&))
{
    return decoded.value ? ChunkReading{true, sum(*decoded.value)} : ChunkReading{false, decoded.declined};
}

// "1 frame", "2 frames".
std::string Count(std::size_t count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

ChunkReading ReadTexts(const ChunkInfo& chunk, const ChunkTable&)
{
    return Summed<TextTable>(DecodeTextTable(ChunkBody(chunk)), [](const TextTable& table) {
        return Count(table.entries.size(), "string", "strings");
    });
}

ChunkReading ReadPalette(const ChunkInfo& chunk, const ChunkTable&)
{
    return Summed<Palette>(DecodePalette(ChunkBody(chunk)), [](const Palette& palette) {
        return Count(palette.colours.size(), "colour", "colours");
    });
}

// A sprite's frames, each with the palette it is drawn with.
ChunkReading ReadSprite(const ChunkInfo& chunk, const ChunkTable& chunks)
{
    const Decoded<Sprite> sprite =
        chunk.Type == kOldSprite ? DecodeOldSprite(ChunkBody(chunk)) : DecodeSprite2(ChunkBody(chunk));
    if (!sprite.value)
        return {false, sprite.declined};
    std::size_t fellBack = 0;
    for (const SpriteFrame& frame : sprite.value->frames)
        if (ChoosePalette(chunks, chunk.Id, *sprite.value, frame).fellBack)
            ++fellBack;
    return {true, Count(sprite.value->frames.size(), "frame", "frames") + ", " + std::to_string(fellBack) +
                      " drawn with another palette than the one named"};
}

ChunkReading ReadBitmap(const ChunkInfo& chunk, const ChunkTable&)
{
    const ByteSpan body = ChunkBody(chunk);
    const std::optional<BmpHeader> header = ReadBmpHeader(body);
    if (!header || !BmpLength(*header, body.size()))
        return {false, "The contents are no picture."};
    return {true, std::to_string(header->Width) + " x " + std::to_string(header->Height) + ", " +
                      std::to_string(header->BitsPerPixel) + " bits"};
}

// A draw group's twelve views, composited against the file's sprites.
ChunkReading ReadDrawGroup(const ChunkInfo& chunk, const ChunkTable& chunks)
{
    const Decoded<DrawGroup> group = DecodeDrawGroup(ChunkBody(chunk));
    if (!group.value)
        return {false, group.declined};
    const auto views = ComposeViews(*group.value, chunks);
    const auto drawn = std::count_if(views.begin(), views.end(), [](const auto& view) {
        return view && view->value && view->value->width > 0;
    });
    return {true, Count(group.value->images.size(), "image", "images") + ", " +
                      Count(static_cast<std::size_t>(drawn), "view", "views") + " drawn"};
}

// An object definition's fields, its links looked up.
ChunkReading ReadObjectDefinition(const ChunkInfo& chunk, const ChunkTable& chunks)
{
    const Decoded<ObjectDefinition> definition = DecodeObjectDefinition(ChunkBody(chunk));
    if (!definition.value)
        return {false, definition.declined};
    std::size_t found = 0;
    for (const ObjectFieldLine& line : DescribeObjectDefinition(*definition.value))
        if (!line.linkType.empty())
            if (FindChunk(chunks, line.linkType, line.linkId) != 0)
                ++found;
    return {true, "version " + std::to_string(definition.value->version) + ", " +
                      Count(definition.value->words.size(), "word", "words") + ", " +
                      Count(found, "link in the file", "links in the file")};
}

ChunkReading ReadBehaviour(const ChunkInfo& chunk, const ChunkTable&)
{
    return Summed<Behaviour>(DecodeBehaviour(ChunkBody(chunk)), [](const Behaviour& behaviour) {
        std::size_t outside = 0;
        for (const Instruction& instruction : behaviour.instructions)
            for (const std::uint8_t target : {instruction.trueTarget, instruction.falseTarget})
                if (KindOfTarget(target, behaviour.instructions.size()) == TargetKind::PastTheEnd)
                    ++outside;
        return Count(behaviour.instructions.size(), "instruction", "instructions") + ", " +
               Count(outside, "target past the end", "targets past the end");
    });
}

ChunkReading ReadInteractions(const ChunkInfo& chunk, const ChunkTable&)
{
    return Summed<InteractionTable>(DecodeInteractions(ChunkBody(chunk)), [](const InteractionTable& table) {
        return Count(table.interactions.size(), "interaction", "interactions");
    });
}

ChunkReading ReadConstants(const ChunkInfo& chunk, const ChunkTable&)
{
    return Summed<Constants>(DecodeConstants(ChunkBody(chunk)), [](const Constants& constants) {
        return Count(constants.values.size(), "constant", "constants");
    });
}

ChunkReading ReadSemiGlobal(const ChunkInfo& chunk, const ChunkTable&)
{
    return Summed<GlobalName>(DecodeGlobalName(ChunkBody(chunk)),
                              [](const GlobalName& global) { return "semi-global file " + global.name; });
}

ChunkReading ReadSoundEvent(const ChunkInfo& chunk, const ChunkTable&)
{
    return Summed<SoundEvent>(DecodeSoundEvent(ChunkBody(chunk)),
                              [](const SoundEvent& sound) { return "sound event " + sound.name; });
}

ChunkReading ReadResourceMap(const ChunkInfo& chunk, const ChunkTable&)
{
    const ResourceMap map = ParseResourceMap(chunk.Data.span());
    return {true,
            Count(map.Types.size(), "type", "types") + ", " + Count(map.Sections.size(), "entry", "entries")};
}

constexpr std::array kDecodedTypes{
    DecodedType{kStrings, ReadTexts},
    DecodedType{kCatalogueStrings, ReadTexts},
    DecodedType{kInteractionStrings, ReadTexts},
    DecodedType{kPalette, ReadPalette},
    DecodedType{kOldSprite, ReadSprite},
    DecodedType{kSprite, ReadSprite},
    DecodedType{kBitmap, ReadBitmap},
    DecodedType{kFloorBitmap, ReadBitmap},
    DecodedType{kDrawGroup, ReadDrawGroup},
    DecodedType{kObjectDefinition, ReadObjectDefinition},
    DecodedType{kBehaviour, ReadBehaviour},
    DecodedType{kInteractions, ReadInteractions},
    DecodedType{kConstants, ReadConstants},
    DecodedType{kSemiGlobal, ReadSemiGlobal},
    DecodedType{kSoundEvent, ReadSoundEvent},
    DecodedType{kResourceMap, ReadResourceMap},
};

}  // namespace

std::span<const DecodedType> DecodedTypes() { return kDecodedTypes; }

const DecodedType* FindDecodedType(std::string_view type)
{
    const auto found = std::find_if(kDecodedTypes.begin(), kDecodedTypes.end(),
                                    [&](const DecodedType& row) { return row.type == type; });
    return found == kDecodedTypes.end() ? nullptr : &*found;
}

}  // namespace tarnwick
