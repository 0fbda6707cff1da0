#include "system/game_path.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "model/container/byte_reader.h"

namespace tarnwick {

std::string GetGamePath(Registry& registry)
{
    std::string path = ReadRegistryString(registry, kLocalMachine, "Software\\Maxis\\The Sims", "SIMS_DATA");
    if (path.empty())
        return std::string(kGamePathNotFound);
    if (path.back() != '\\')
        path += '\\';
    return path;
}

std::string ReadRegistryString(Registry& registry, RegistryKey root, std::string_view keyPath,
                               std::string_view valueName)
{
    RegistryKey key = 0;
    registry.OpenKey(root, keyPath, key);
    std::string text = QueryRegistryValue(registry, key, valueName);
    registry.CloseKey(key);
    return text;
}

std::string QueryRegistryValue(Registry& registry, RegistryKey key, std::string_view valueName)
{
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    if (registry.QueryValue(key, valueName, type, nullptr, size) != kRegSuccess)
        return {};
    if (type == kRegString) {
        std::vector<std::uint8_t> buffer(size, 0);
        if (registry.QueryValue(key, valueName, type, buffer.data(), size) != kRegSuccess)
            return {};
        std::string text(buffer.begin(), buffer.end());
        return text.substr(0, text.find('\0'));
    }
    if (type == kRegBinary) {
        // Read into two bytes only: a longer value reports "more data" and gives
        // an empty text, a one-byte value fills the low byte.
        std::uint8_t number[2] = {0, 0};
        size = sizeof number;
        if (registry.QueryValue(key, valueName, type, number, size) != kRegSuccess)
            return {};
        return std::to_string(ByteReader(number).I16le().value_or(0));
    }
    return {};
}

}  // namespace tarnwick
