// Any text as one of Steam's key-value files: read whole, then every entry
// looked up as the library list and the app manifest are.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "system/valve_key_values.h"

using namespace tarnwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const KeyValueRead read = ReadKeyValues(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const KeyValue& entry : read.Entries)
        for (const std::string_view key : {"0", "1", "path", "installdir"})
            if (const KeyValue* found = entry.Find(key))
                (void)found->Find("path");
    return 0;
}
