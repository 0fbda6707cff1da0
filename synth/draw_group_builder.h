#pragma once

#include <cstdint>
#include <vector>

#include "model/decoders/draw_group.h"
#include "synth/iff_builder.h"

namespace tarnwick::fixtures {

// A "DGRP" body of `version` (20000, 20001, 20003 or 20004, or any other for a
// body the reader must decline) holding these images: each version keeps the
// fields it has room for. The image count field says `declaredCount` when given.
[[nodiscard]] Bytes DrawGroupBody(std::uint16_t version, const std::vector<DrawGroupImage>& images,
                                  std::int64_t declaredCount = -1);

}  // namespace tarnwick::fixtures
