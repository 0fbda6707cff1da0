#include "ui/inspector/frame_image.h"

namespace tarnwick {

namespace {

constexpr QRgb kMissingColour = 0xFFFF00FF;

QRgb Grey(std::uint8_t level) { return qRgb(level, level, level); }

}  // namespace

QImage FrameImage(const SpriteFrame& frame, const Palette& palette, SpriteChannel channel)
{
    const std::size_t area = static_cast<std::size_t>(frame.width) * static_cast<std::size_t>(frame.height);
    if (frame.indices.size() != area || area == 0 || (channel == SpriteChannel::Depth && frame.depth.empty()))
        return {};
    QImage image(frame.width, frame.height, QImage::Format_ARGB32);
    for (int y = 0; y < frame.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const std::size_t row = static_cast<std::size_t>(y) * static_cast<std::size_t>(frame.width);
        for (int x = 0; x < frame.width; ++x) {
            const std::size_t at = row + static_cast<std::size_t>(x);
            switch (channel) {
            case SpriteChannel::Colour: {
                const std::uint8_t index = frame.indices[at];
                const QRgb colour = index < palette.colours.size() ? palette.colours[index] : kMissingColour;
                line[x] = (colour & 0x00FFFFFF) | QRgb{frame.opacity[at]} << 24;
                break;
            }
            case SpriteChannel::Depth:
                line[x] = Grey(frame.depth[at]);
                break;
            case SpriteChannel::Alpha:
                line[x] = Grey(frame.opacity[at]);
                break;
            }
        }
    }
    return image;
}

bool UsesMissingColours(const SpriteFrame& frame, const Palette& palette)
{
    for (std::size_t i = 0; i < frame.indices.size(); ++i)
        if (frame.opacity[i] != 0 && frame.indices[i] >= palette.colours.size())
            return true;
    return false;
}

}  // namespace tarnwick
