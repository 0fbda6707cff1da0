#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "system/registry.h"

namespace tarnwick::fixtures {

// A registry held in memory: keys under the local machine root, each with
// typed values, answering queries as the system's registry does.
class MemoryRegistry final : public Registry {
public:
    struct Value {
        std::uint32_t type;
        std::vector<std::uint8_t> bytes;
    };

    void Set(const std::string& keyPath, const std::string& name, Value value);
    // A text value stored with its ending NUL.
    void SetText(const std::string& keyPath, const std::string& name, const std::string& text);

    long OpenKey(RegistryKey root, std::string_view path, RegistryKey& key) override;
    long QueryValue(RegistryKey key, std::string_view name, std::uint32_t& type, std::uint8_t* data,
                    std::uint32_t& size) override;
    long CloseKey(RegistryKey key) override;

private:
    std::vector<std::string> paths_;  // a key's handle is its index plus one
    std::map<std::string, std::map<std::string, Value, std::less<>>, std::less<>> keys_;
};

}  // namespace tarnwick::fixtures
