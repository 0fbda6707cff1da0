#pragma once

#include <QImage>

#include "model/decoders/palette.h"
#include "model/decoders/sprite.h"

namespace tarnwick {

enum class SpriteChannel { Colour, Depth, Alpha };

// A frame's channel as a picture: colour is the palette's colour with the
// pixel's opacity (an index the palette lacks is magenta); depth and alpha are
// opaque greys, 0 black to 255 white. A frame without the channel, or a blank
// one, gives a null image.
[[nodiscard]] QImage FrameImage(const SpriteFrame& frame, const Palette& palette, SpriteChannel channel);

// Whether some drawn pixel of the frame uses an index the palette lacks.
[[nodiscard]] bool UsesMissingColours(const SpriteFrame& frame, const Palette& palette);

}  // namespace tarnwick
