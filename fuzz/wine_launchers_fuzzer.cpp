// Any text as a Lutris game file and as Bottles' data.yml.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "system/wine_launchers.h"

using namespace tarnwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    (void)ReadLutrisGame(text);
    (void)ReadBottlesData(text);
    return 0;
}
