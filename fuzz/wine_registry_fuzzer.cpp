// Any text as a Wine prefix's system.reg: the game's key and value looked up
// as at start, and every line read as a key or a value line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "system/wine_registry.h"

using namespace tarnwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    const WineRegistryFile registry(text);
    for (const std::string_view key :
         {"Software\\Maxis\\The Sims", "Software\\Wow6432Node\\Maxis\\The Sims", ""}) {
        (void)registry.HasKey(key);
        (void)registry.FindValue(key, "SIMS_DATA");
        (void)registry.FindValue(key, "");
    }
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        (void)ParseKeyLine(line);
        (void)ParseValueLine(line);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return 0;
}
