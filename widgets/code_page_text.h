#pragma once

#include <QString>
#include <string_view>

#include "model/text/languages.h"

namespace tarnwick {

// Text of a game file in the code page it was written in. Windows-1252 goes
// through the model's own table; the others through Qt's decoders (ICU), and a
// code page this system's Qt lacks falls back to Windows-1252 so that no text
// is lost.
[[nodiscard]] QString CodePageText(std::string_view bytes, CodePage codePage);

// Whether this system's Qt decodes the code page itself.
[[nodiscard]] bool CodePageAvailable(CodePage codePage);

}  // namespace tarnwick
