// The system registry of Windows, through its text (A) functions.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "system/registry.h"

namespace tarnwick {
namespace {

// The root's number is not the system's handle: on 64-bit Windows that one is
// the number sign-extended.
HKEY ToHandle(RegistryKey key)
{
    return key == kLocalMachine ? HKEY_LOCAL_MACHINE : reinterpret_cast<HKEY>(key);
}

class WindowsRegistry final : public Registry {
public:
    long OpenKey(RegistryKey root, std::string_view path, RegistryKey& key) override
    {
        // The game is a 32-bit program and its keys live in the 32-bit view; a
        // 64-bit build would not see them without KEY_WOW64_32KEY.
        HKEY opened = nullptr;
        const LONG result =
            RegOpenKeyExA(ToHandle(root), std::string(path).c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &opened);
        if (result == ERROR_SUCCESS)
            key = reinterpret_cast<RegistryKey>(opened);
        return result;
    }

    long QueryValue(RegistryKey key, std::string_view name, std::uint32_t& type, std::uint8_t* data,
                    std::uint32_t& size) override
    {
        const std::string valueName(name);
        DWORD valueType = 0;
        DWORD length = size;
        if (data == nullptr) {
            const LONG result =
                RegQueryValueExA(ToHandle(key), valueName.c_str(), nullptr, &valueType, nullptr, &length);
            if (result == ERROR_SUCCESS) {
                type = valueType;
                size = length;
            }
            return result;
        }
        // Through a buffer of our own: the system may scribble on one that proves
        // too small, and the caller's must stay untouched then.
        std::vector<BYTE> buffer(std::max<std::uint32_t>(size, 1));
        const LONG result =
            RegQueryValueExA(ToHandle(key), valueName.c_str(), nullptr, &valueType, buffer.data(), &length);
        if (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {
            type = valueType;
            if (result == ERROR_SUCCESS)
                std::copy_n(buffer.begin(), std::min<DWORD>(length, size), data);
            size = length;
        }
        return result;
    }

    long CloseKey(RegistryKey key) override { return RegCloseKey(ToHandle(key)); }
};

}  // namespace

std::unique_ptr<Registry> MakeSystemRegistry() { return std::make_unique<WindowsRegistry>(); }

}  // namespace tarnwick
