// A registry in which no key exists, for systems that have none.
#include "registry.h"

namespace tarnwick {
namespace {

class NoRegistry final : public Registry {
public:
    long OpenKey(RegistryKey, std::string_view, RegistryKey&) override { return kRegNotFound; }
    long QueryValue(RegistryKey, std::string_view, std::uint32_t&, std::uint8_t*,
                    std::uint32_t&) override
    {
        return kRegBadKey;
    }
    long CloseKey(RegistryKey) override { return kRegBadKey; }
};

}  // namespace

std::unique_ptr<Registry> MakeSystemRegistry() { return std::make_unique<NoRegistry>(); }

}  // namespace tarnwick
