#include "model/decoders/draw_group_composite.h"

#include <algorithm>

#include "model/container/chunk_summary.h"
#include "model/container/chunk_types.h"
#include "model/decoders/linked_chunks.h"
#include "model/decoders/palette_choice.h"

namespace tarnwick {

namespace {

constexpr std::uint32_t kMissingColour = 0xFF00FF;  // an index the palette lacks: magenta
constexpr std::uint8_t kFarthest = 255;

// `colour` with opacity `alpha` over the straight-alpha pixel `under`.
std::uint32_t Over(std::uint32_t colour, std::uint32_t alpha, std::uint32_t under)
{
    const std::uint32_t underAlpha = under >> 24;
    const std::uint32_t own = alpha * 255;
    const std::uint32_t through = underAlpha * (255 - alpha);
    const std::uint32_t total = own + through;  // the result's alpha, times 255
    std::uint32_t result = (total + 127) / 255 << 24;
    for (const int shift : {0, 8, 16}) {
        const std::uint32_t top = colour >> shift & 0xFF;
        const std::uint32_t bottom = under >> shift & 0xFF;
        result |= (top * own + bottom * through + total / 2) / total << shift;
    }
    return result;
}

// A frame placed in the image: its canvas position is known once all are.
struct Placement {
    const SpriteFrame* frame;
    const std::array<std::uint32_t, 256>* colours;
    std::int64_t left;
    std::int64_t top;
    bool mirrored;
};

void Paint(const Placement& placed, std::int64_t canvasWidth, std::vector<std::uint32_t>& pixels,
           std::vector<std::uint8_t>& depths)
{
    const SpriteFrame& frame = *placed.frame;
    const auto width = static_cast<std::size_t>(frame.width);
    const bool hasDepth = frame.HasDepth() && frame.depth.size() == frame.indices.size();
    for (std::size_t y = 0; y < static_cast<std::size_t>(frame.height); ++y) {
        const auto row =
            static_cast<std::size_t>((placed.top + static_cast<std::int64_t>(y)) * canvasWidth + placed.left);
        for (std::size_t x = 0; x < width; ++x) {
            const std::size_t at = y * width + x;
            const std::uint8_t alpha = frame.opacity[at];
            if (alpha == 0)
                continue;
            const std::size_t to = row + (placed.mirrored ? width - 1 - x : x);
            if (hasDepth) {
                // Nearer or equal wins: at equal depth the later entry.
                if (frame.depth[at] > depths[to])
                    continue;
                depths[to] = frame.depth[at];
            }
            const std::uint32_t colour = (*placed.colours)[frame.indices[at]];
            pixels[to] = alpha == 255 ? 0xFF000000 | colour : Over(colour, alpha, pixels[to]);
        }
    }
}

}  // namespace

DrawGroupCompositor::LoadedSprite& DrawGroupCompositor::Load(std::uint32_t spriteId)
{
    const auto found = sprites_.find(spriteId);
    if (found != sprites_.end())
        return found->second;
    LoadedSprite& loaded = sprites_[spriteId];
    loaded.id = spriteId;
    std::optional<Decoded<Sprite>> decoded =
        DecodeLinked(chunks_, chunk_type::kSprite, spriteId, DecodeSprite2);
    if (!decoded) {
        loaded.problem = "no " + ChunkName(chunk_type::kSprite, spriteId);
        return loaded;
    }
    if (!decoded->value) {
        loaded.problem = ChunkName(chunk_type::kSprite, spriteId) + " cannot be read: " + decoded->declined;
        return loaded;
    }
    loaded.sprite = std::move(decoded->value);
    loaded.colours.assign(loaded.sprite->frames.size(), nullptr);
    loaded.paletteNotes.resize(loaded.sprite->frames.size());
    return loaded;
}

const DrawGroupCompositor::Colours& DrawGroupCompositor::ColoursOf(LoadedSprite& loaded, std::size_t frame)
{
    if (loaded.colours[frame] != nullptr)
        return *loaded.colours[frame];
    // Found IDs are 16-bit: FindChunk names no chunk above 65535.
    const PaletteChoice choice = ChoosePalette(chunks_, static_cast<std::uint16_t>(loaded.id), *loaded.sprite,
                                               loaded.sprite->frames[frame]);
    if (choice.fellBack)
        loaded.paletteNotes[frame] = ChunkName(chunk_type::kSprite, loaded.id) + ": " + choice.note;
    auto known = palettes_.find(choice.chunk);
    if (known == palettes_.end()) {
        Colours colours;
        colours.fill(kMissingColour);
        for (std::size_t i = 0; i < choice.palette.colours.size() && i < colours.size(); ++i)
            colours[i] = choice.palette.colours[i] & 0xFFFFFF;
        known = palettes_.emplace(choice.chunk, colours).first;
    }
    loaded.colours[frame] = &known->second;
    return known->second;
}

Decoded<Composite> DrawGroupCompositor::Compose(const DrawGroupImage& image)
{
    const ShiftedImage alone{&image, 0, 0, {}};
    return Compose(std::span(&alone, 1));
}

Decoded<Composite> DrawGroupCompositor::Compose(std::span<const ShiftedImage> images)
{
    Composite result;
    std::vector<Placement> placements;
    std::int64_t left = 0, top = 0, right = 0, bottom = 0;
    std::int64_t painted = 0;
    for (const ShiftedImage& shifted : images)
        for (std::size_t i = 0; i < shifted.image->sprites.size(); ++i) {
            const DrawGroupSprite& entry = shifted.image->sprites[i];
            const std::string which = shifted.name.empty()
                                          ? "Entry " + std::to_string(i) + ": "
                                          : shifted.name + ", entry " + std::to_string(i) + ": ";
            LoadedSprite& loaded = Load(entry.spriteId);
            if (!loaded.sprite) {
                result.warnings.push_back(which + loaded.problem);
                continue;
            }
            if (entry.frame >= loaded.sprite->frames.size()) {
                result.warnings.push_back(which + ChunkName(chunk_type::kSprite, entry.spriteId) +
                                          " has no frame " + std::to_string(entry.frame));
                continue;
            }
            const SpriteFrame& frame = loaded.sprite->frames[entry.frame];
            const std::size_t area =
                static_cast<std::size_t>(frame.width) * static_cast<std::size_t>(frame.height);
            if (area == 0)
                continue;                        // a blank frame draws nothing
            if (frame.indices.size() != area) {  // refused by the decoder: too large, or over the budget
                result.warnings.push_back(which + ChunkName(chunk_type::kSprite, entry.spriteId) + " frame " +
                                          std::to_string(entry.frame) + " cannot be drawn: " + frame.problem);
                continue;
            }
            const Colours& colours = ColoursOf(loaded, entry.frame);
            const std::string& note = loaded.paletteNotes[entry.frame];
            if (!note.empty() &&
                std::find(result.palettes.begin(), result.palettes.end(), note) == result.palettes.end())
                result.palettes.push_back(note);
            painted += static_cast<std::int64_t>(area);
            if (painted > kMaxCompositePaint)
                return Decoded<Composite>::Decline("The image's frames hold more than " +
                                                   std::to_string(kMaxCompositePaint) + " pixels.");
            // The bottom edge sits at y.
            const std::int64_t entryBottom = entry.y + shifted.y;
            const Placement placed{&frame, &colours, entry.x + shifted.x, entryBottom - frame.height,
                                   entry.Mirrored()};
            const std::int64_t placedRight = placed.left + frame.width;
            const std::int64_t placedBottom = entryBottom;
            if (placements.empty())
                left = placed.left, top = placed.top, right = placedRight, bottom = placedBottom;
            left = std::min(left, placed.left);
            top = std::min(top, placed.top);
            right = std::max(right, placedRight);
            bottom = std::max(bottom, placedBottom);
            placements.push_back(placed);
        }
    if (right - left > kMaxCompositeSide || bottom - top > kMaxCompositeSide)
        return Decoded<Composite>::Decline("The image spans " + std::to_string(right - left) + " x " +
                                           std::to_string(bottom - top) + " pixels, more than " +
                                           std::to_string(kMaxCompositeSide) + " a side.");
    result.width = static_cast<int>(right - left);
    result.height = static_cast<int>(bottom - top);
    result.originX = -left;
    result.originY = -top;
    const auto area = static_cast<std::size_t>(result.width) * static_cast<std::size_t>(result.height);
    result.pixels.assign(area, 0);
    depths_.assign(area, kFarthest);
    for (Placement& placed : placements) {
        placed.left -= left;
        placed.top -= top;
        Paint(placed, result.width, result.pixels, depths_);
    }
    return Decoded<Composite>::Of(std::move(result));
}

std::vector<std::optional<Decoded<Composite>>> ComposeViews(const DrawGroup& group, const ChunkTable& chunks)
{
    DrawGroupCompositor compositor(chunks);
    std::vector<std::optional<Decoded<Composite>>> views;
    for (const std::uint32_t zoom : kZoomsNearFirst)
        for (const std::uint32_t direction : kDrawGroupDirections) {
            const std::optional<std::size_t> image = FindImage(group, direction, zoom);
            views.push_back(image ? std::optional(compositor.Compose(group.images[*image])) : std::nullopt);
        }
    return views;
}

}  // namespace tarnwick
