// The registry of a Wine installation, read from its system.reg file: where the
// game runs under Wine, its installer wrote the game's keys there.
#include <algorithm>
#include <limits>
#include <map>
#include <string>

#include "system/ascii_case.h"
#include "system/registry.h"
#include "system/wine_prefix.h"
#include "system/wine_registry.h"

namespace tarnwick {
namespace {

constexpr std::string_view kSoftware = "Software\\";
constexpr std::string_view kWow32Software = "Software\\Wow6432Node\\";

class WineRegistry final : public Registry {
public:
    explicit WineRegistry(WineRegistryFile file) : file_(std::move(file)) {}

    long OpenKey(RegistryKey root, std::string_view path, RegistryKey& key) override
    {
        const std::string* rootPath = PathOf(root);
        if (rootPath == nullptr)
            return kRegBadKey;
        std::string full = *rootPath;
        if (!full.empty() && !path.empty())
            full += '\\';
        full += path;
        // A 64-bit prefix keeps the keys of 32-bit programs, the game's among them, there.
        if (!file_.HasKey(full) && StartsWithIgnoringCase(full, kSoftware) &&
            !StartsWithIgnoringCase(full, kWow32Software))
            full = std::string(kWow32Software) + full.substr(kSoftware.size());
        if (!file_.HasKey(full))
            return kRegNotFound;
        if (++lastKey_ == kLocalMachine)
            ++lastKey_;
        key = lastKey_;
        openKeys_.emplace(key, std::move(full));
        return kRegSuccess;
    }

    long QueryValue(RegistryKey key, std::string_view name, std::uint32_t& type, std::uint8_t* data,
                    std::uint32_t& size) override
    {
        const std::string* path = PathOf(key);
        if (path == nullptr)
            return kRegBadKey;
        const auto value = file_.FindValue(*path, name);
        if (!value || value->bytes.size() > std::numeric_limits<std::uint32_t>::max())
            return kRegNotFound;
        type = value->type;
        const auto length = static_cast<std::uint32_t>(value->bytes.size());
        if (data != nullptr && size < length) {
            size = length;
            return kRegMoreData;
        }
        if (data != nullptr)
            std::copy(value->bytes.begin(), value->bytes.end(), data);
        size = length;
        return kRegSuccess;
    }

    long CloseKey(RegistryKey key) override
    {
        if (key == kLocalMachine)
            return kRegSuccess;
        return openKeys_.erase(key) == 1 ? kRegSuccess : kRegBadKey;
    }

private:
    // The key path of an open key or of the root; nullptr for anything else.
    const std::string* PathOf(RegistryKey key) const
    {
        static const std::string root;
        if (key == kLocalMachine)
            return &root;
        const auto found = openKeys_.find(key);
        return found == openKeys_.end() ? nullptr : &found->second;
    }

    WineRegistryFile file_;
    std::map<RegistryKey, std::string> openKeys_;
    RegistryKey lastKey_ = 0;
};

}  // namespace

std::unique_ptr<Registry> MakeWineRegistry(const std::filesystem::path& prefix)
{
    return std::make_unique<WineRegistry>(prefix.empty() ? WineRegistryFile()
                                                         : WineRegistryFile::Load(prefix / "system.reg"));
}

std::unique_ptr<Registry> MakeSystemRegistry() { return MakeWineRegistry(WinePrefix()); }

}  // namespace tarnwick
