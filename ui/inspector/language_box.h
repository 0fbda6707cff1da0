#pragma once

#include <functional>
#include <set>

#include "ui/inspector/inspector_context.h"

class QComboBox;

namespace tarnwick {

// A choice of the languages in `present` for texts taken from other chunks,
// starting at the inspector's language (or the first present). Picking one
// makes it the inspector's language and calls `changed`. Hidden when there is
// nothing to choose.
[[nodiscard]] QComboBox* MakeLanguageBox(InspectorContext& context, const std::set<int>& present,
                                         std::function<void()> changed);

}  // namespace tarnwick
