#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

namespace tarnwick {

// The system registry, read only, through the three operations of its classic
// text interface. Results are the system's error codes: 0 is success.
using RegistryKey = std::uintptr_t;  // 0 stands for no key
inline constexpr RegistryKey kLocalMachine = 0x80000002;

enum RegistryValueType : std::uint32_t {
    kRegString = 1,        // REG_SZ
    kRegExpandString = 2,  // REG_EXPAND_SZ
    kRegBinary = 3,        // REG_BINARY
    kRegDword = 4,         // REG_DWORD
};

inline constexpr long kRegSuccess = 0;
inline constexpr long kRegNotFound = 2;    // ERROR_FILE_NOT_FOUND
inline constexpr long kRegBadKey = 6;      // ERROR_INVALID_HANDLE
inline constexpr long kRegMoreData = 234;  // ERROR_MORE_DATA

class Registry {
public:
    virtual ~Registry() = default;
    // On success stores the opened key in `key`; on failure leaves it as it was.
    virtual long OpenKey(RegistryKey root, std::string_view path, RegistryKey& key) = 0;
    // Reports the value's type and its size in bytes. With `data` given, also
    // copies the value into it when `size` (the buffer's size) is large enough;
    // otherwise writes nothing and returns kRegMoreData.
    virtual long QueryValue(RegistryKey key, std::string_view name, std::uint32_t& type, std::uint8_t* data,
                            std::uint32_t& size) = 0;
    virtual long CloseKey(RegistryKey key) = 0;
};

// The registry of the system the program runs on.
[[nodiscard]] std::unique_ptr<Registry> MakeSystemRegistry();

}  // namespace tarnwick
