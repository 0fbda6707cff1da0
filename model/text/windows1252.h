#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarnwick {

// Decodes bytes shown as text (one character per byte, the game's Western code
// page) into UTF-8 for display. Every byte gives exactly one character; the five
// bytes the code page leaves undefined map to the control characters of the
// same number, so nothing is lost or merged.
[[nodiscard]] std::string Windows1252ToUtf8(std::string_view bytes);

// A file name in the system's bytes as UTF-8 for display: the name as it is
// when it is valid UTF-8, and otherwise each byte outside a valid sequence
// decoded from the Western code page, as the names in archives made on Windows
// are ("caf\xE9.IFF" shows as "café.IFF"). Nothing is dropped.
[[nodiscard]] std::string FileNameToUtf8(std::string_view bytes);

// The length of the valid UTF-8 sequence that starts `bytes`, or 0: no
// overlong forms, no surrogates, nothing past U+10FFFF.
[[nodiscard]] std::size_t Utf8SequenceLength(std::string_view bytes);

// The byte of the game's code page for a UTF-16 code unit, or '?' when the
// code page has none.
[[nodiscard]] char ToWindows1252(char16_t unit);

}  // namespace tarnwick
