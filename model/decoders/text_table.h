#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "model/container/byte_string.h"
#include "model/decoders/decoded.h"
#include "model/text/languages.h"

namespace tarnwick {

// The five layouts of string tables ("STR#", "CTSS", "TTAs"), by the code in
// their first two bytes.
enum class TextTableLayout {
    Pascal,        // anything else: a count, then length-prefixed strings
    Plain,         // FF FF: zero-ended strings
    WithComments,  // FE FF: value and comment
    Languages,     // FD FF: language byte, value and comment
    LanguageSets,  // FC FF: one set of UTF-8 entries per language
};

// One string: its raw bytes and the code page they are in, which the view
// decodes.
struct TextEntry {
    std::size_t index = 0;  // string k of its language, from 0: means the same in every language
    int language = 1;       // 1-20; any other number is the byte stored, which names no language
    std::string value;
    std::string comment;
    CodePage codePage = CodePage::Windows1252;

    bool operator==(const TextEntry&) const = default;
};

struct TextTable {
    TextTableLayout layout = TextTableLayout::Pascal;
    std::vector<TextEntry> entries;  // in file order
    std::size_t trailingBytes = 0;   // after the last entry: filler, normal in real files
    std::string warning;             // where the entries stopped early, if they did
};

// Decodes a string table's body (the bytes after the chunk header). Declines a
// body too short for its layout code and count, or a counted (Pascal) table
// that no reading of its count fits.
[[nodiscard]] Decoded<TextTable> DecodeTextTable(ByteSpan body);

// String `index` in `language`; where the table lacks it in that language,
// the same string in English (US), else in the first language that has it;
// nullptr when none has it.
[[nodiscard]] const TextEntry* FindText(const TextTable& table, std::size_t index, int language);

}  // namespace tarnwick
