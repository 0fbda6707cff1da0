#pragma once

#include <QString>
#include <string_view>

#include "model/text/languages.h"

namespace tarnwick {

// Text of a game file in the code page it was written in. Windows-1252 goes
// through the model's own table; the others through Qt's decoders (ICU). Bytes
// that are not valid in their code page (Western names typed into an Asian
// language's slot), and a code page this system's Qt lacks, are read as
// Windows-1252 instead, so that no byte is lost.
struct CodePageDecoding {
    QString text;
    bool readAs1252 = false;  // the code page asked for could not read the bytes
};
[[nodiscard]] CodePageDecoding DecodeCodePage(std::string_view bytes, CodePage codePage);
[[nodiscard]] QString CodePageText(std::string_view bytes, CodePage codePage);

// Whether this system's Qt decodes the code page itself.
[[nodiscard]] bool CodePageAvailable(CodePage codePage);

}  // namespace tarnwick
