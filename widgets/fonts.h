#pragma once

#include <QFont>

namespace tarnwick {

// The fixed-pitch font of about 9 pt that the dump and hex views use: every
// character the same width, so the columns line up.
[[nodiscard]] QFont FixedPitchFont();

// The windows' own font: a sans serif of 8 pt, as narrow as the one their
// layouts were measured with, so that captions and the game's header line fit
// their places.
[[nodiscard]] QFont WindowFont();

}  // namespace tarnwick
