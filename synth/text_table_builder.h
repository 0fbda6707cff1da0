#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/decoders/text_table.h"
#include "synth/iff_builder.h"

namespace tarnwick::fixtures {

struct TextRecord {
    int language = 1;  // 1-20; for FC FF the set it goes in
    std::string value;
    std::string comment;
};

// A string table body in `layout`: the Pascal layout keeps values only, with a
// big-endian count unless asked; FF FF keeps values only; FC FF puts each
// record in its language's set, 20 sets in all.
[[nodiscard]] Bytes TextTableBody(TextTableLayout layout, const std::vector<TextRecord>& records,
                                  bool littleEndianCount = false);

}  // namespace tarnwick::fixtures
