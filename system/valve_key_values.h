#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

// One entry of Valve's text key-value format, as Steam writes its library list
// and app manifests: a key with a text value, or a key with a block of entries.
struct KeyValue {
    std::string Key;
    std::string Value;  // empty for a block
    std::vector<KeyValue> Children;
    bool IsBlock = false;

    // The first entry of the block whose key matches, ignoring ASCII case; nullptr
    // when there is none.
    [[nodiscard]] const KeyValue* Find(std::string_view key) const;
};

struct KeyValueRead {
    std::vector<KeyValue> Entries;  // the entries at the top of the text
    std::string Error;              // one line saying where and why the text was refused; empty when read
};

// Bounds that keep a hostile file cheap: the files Steam writes stay far below them.
inline constexpr std::size_t kKeyValueMaxDepth = 32;
inline constexpr std::size_t kKeyValueMaxEntries = 200'000;
inline constexpr std::size_t kKeyValueMaxFileSize = 16u << 20;

// Reads the text whole: quoted or bare tokens, "\\", "\"", "\n" and "\t" escapes in
// quoted ones, "//" comments and "[$WIN32]"-style conditions (kept out). Any fault
// refuses the whole text, with no entries.
[[nodiscard]] KeyValueRead ReadKeyValues(std::string_view text);

// Reads a file of that format, refusing one larger than kKeyValueMaxFileSize
// without reading it.
[[nodiscard]] KeyValueRead LoadKeyValues(const std::filesystem::path& path);

}  // namespace tarnwick
