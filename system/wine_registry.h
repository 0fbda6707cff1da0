#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

struct WineRegistryValue {
    std::uint32_t type = 0;           // a RegistryValueType, or any other number the file gives
    std::vector<std::uint8_t> bytes;  // text in Windows-1252 with its ending NUL
};

struct WineValueLine {
    std::string name;  // empty for the key's default value (@)
    WineRegistryValue value;
};

// Wine's text registry file of the local machine (system.reg). The text is kept
// as read and searched on each question, so memory stays at the file's size
// whatever the file holds; a lookup is done a few times per run.
class WineRegistryFile {
public:
    WineRegistryFile() = default;  // holds no key
    // A text whose first line is not "WINE REGISTRY Version 2" holds no key.
    explicit WineRegistryFile(std::string text);
    // A file that is missing, unreadable or not a plain file holds no key.
    [[nodiscard]] static WineRegistryFile Load(const std::filesystem::path& file);

    // Whether the key exists: the file has its section or one of a key below it.
    // Paths are relative to the local machine root, "" is the root itself, and
    // letters compare ignoring case.
    [[nodiscard]] bool HasKey(std::string_view path) const;
    // The value of that name in the key's section; "" names the default value.
    [[nodiscard]] std::optional<WineRegistryValue> FindValue(std::string_view keyPath,
                                                             std::string_view name) const;

private:
    std::string text_;
};

// One line of the file, its continuations joined. Nothing for a malformed line.
// "[Software\\\\Maxis] 1234" gives the key path "Software\Maxis".
[[nodiscard]] std::optional<std::string> ParseKeyLine(std::string_view line);
// "name"=data or @=data, data being "text", str(N):"text", dword:HHHHHHHH,
// hex:HH,HH,.. or hex(N):HH,.. (N in hex).
[[nodiscard]] std::optional<WineValueLine> ParseValueLine(std::string_view line);

}  // namespace tarnwick
