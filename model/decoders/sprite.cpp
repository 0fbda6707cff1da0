#include "model/decoders/sprite.h"

namespace tarnwick {

bool PixelBudget::Take(std::size_t pixels)
{
    const std::size_t bytes = (pixels + kMaxPixelsPerFrameByte - 1) / kMaxPixelsPerFrameByte;
    if (bytes > bytesLeft_)
        return false;
    bytesLeft_ -= bytes;
    return true;
}

bool AllocateFrame(SpriteFrame& frame, std::size_t dataBytes, std::uint8_t fill, PixelBudget& budget)
{
    const auto declared = [&frame] {
        return std::to_string(frame.width) + " x " + std::to_string(frame.height);
    };
    if (frame.width > kMaxFrameSide || frame.height > kMaxFrameSide) {
        frame.problem = "The frame declares " + declared() + " pixels: more than 16384 a side.";
        return false;
    }
    const auto area = static_cast<std::size_t>(frame.width) * static_cast<std::size_t>(frame.height);
    if (area / kMaxPixelsPerFrameByte > dataBytes) {
        frame.problem = "The frame declares " + declared() + " pixels, far more than its " +
                        std::to_string(dataBytes) + " bytes can draw.";
        return false;
    }
    if (!budget.Take(area)) {
        frame.problem = "The frames before this one claim all the pixels the sprite may have.";
        return false;
    }
    frame.indices = PixelPlane(area, fill);
    frame.opacity = PixelPlane(area);
    if (frame.HasDepth())
        frame.depth = PixelPlane(area, 255);
    return true;
}

bool PutPixel(SpriteFrame& frame, std::size_t x, std::size_t y, std::uint8_t index, std::uint8_t opacity,
              std::uint8_t depth)
{
    if (x >= static_cast<std::size_t>(frame.width) || y >= static_cast<std::size_t>(frame.height))
        return false;
    const std::size_t at = y * static_cast<std::size_t>(frame.width) + x;
    frame.indices.Set(at, index);
    frame.opacity.Set(at, opacity);
    if (!frame.depth.empty())
        frame.depth.Set(at, depth);
    return true;
}

}  // namespace tarnwick
