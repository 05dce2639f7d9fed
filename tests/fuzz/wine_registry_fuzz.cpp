// The registry file of a Wine prefix, as anyone may have written it.
#include "platform/wine_registry.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    static const std::vector<std::string> keys{
        "Software\\Wow6432Node\\Sierra OnLine\\Setup\\CSTRIKE",
        "Software\\Sierra OnLine\\Setup\\CSTRIKE", "Software\\Tessary Fixture"};
    for (const char* name : {"Directory", "", "Number"})
        (void)platform::look_up_wine_registry(text, keys, name);
    return 0;
}
