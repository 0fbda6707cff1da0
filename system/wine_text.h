#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

// Text as Wine's registry file writes it between quotes or brackets: a
// backslash escapes the closing character, itself, control characters and,
// as \xHHHH, any character beyond ASCII.
struct DecodedText {
    std::string bytes;     // in Windows-1252, '?' for what that code page lacks
    std::size_t consumed;  // characters read, the closing one included
};

// Decodes `text` up to its first unescaped `closing` character; nothing when
// that character never comes. Bytes beyond ASCII that stand unescaped in the
// file are kept as they are.
[[nodiscard]] std::optional<DecodedText> DecodeWineText(std::string_view text, char closing);

}  // namespace tarnwick
