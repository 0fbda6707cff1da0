#include "synth/memory_registry.h"

#include <algorithm>

namespace tarnwick::fixtures {

void MemoryRegistry::Set(const std::string& keyPath, const std::string& name, Value value)
{
    if (keys_.find(keyPath) == keys_.end())
        paths_.push_back(keyPath);
    keys_[keyPath][name] = std::move(value);
}

void MemoryRegistry::SetText(const std::string& keyPath, const std::string& name, const std::string& text)
{
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    Set(keyPath, name, {kRegString, std::move(bytes)});
}

long MemoryRegistry::OpenKey(RegistryKey root, std::string_view path, RegistryKey& key)
{
    const auto found = std::find(paths_.begin(), paths_.end(), path);
    if (root != kLocalMachine || found == paths_.end())
        return kRegNotFound;
    key = static_cast<RegistryKey>(found - paths_.begin()) + 1;
    return kRegSuccess;
}

long MemoryRegistry::QueryValue(RegistryKey key, std::string_view name, std::uint32_t& type,
                                std::uint8_t* data, std::uint32_t& size)
{
    if (key == 0 || key > paths_.size())
        return kRegBadKey;
    const auto& values = keys_.find(paths_[key - 1])->second;
    const auto value = values.find(name);
    if (value == values.end())
        return kRegNotFound;
    type = value->second.type;
    const auto length = static_cast<std::uint32_t>(value->second.bytes.size());
    const bool fits = data == nullptr || size >= length;
    if (data != nullptr && fits)
        std::copy(value->second.bytes.begin(), value->second.bytes.end(), data);
    size = length;
    return fits ? kRegSuccess : kRegMoreData;
}

long MemoryRegistry::CloseKey(RegistryKey key)
{
    return key == 0 || key > paths_.size() ? kRegBadKey : kRegSuccess;
}

}  // namespace tarnwick::fixtures
