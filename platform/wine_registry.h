#pragma once

#include "platform/registry.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Reading the text file in which Wine keeps the machine-wide registry (system.reg).
namespace platform {

struct WineRegistryLookup {
    bool readable = false; // the text begins with the line "WINE REGISTRY Version 2"
    bool win64 = false;    // "#arch=win64" stood before the first key
    // One entry per key path asked for, in the same order: the value, when the key holds it.
    std::vector<std::optional<RegistryValue>> values;
};

// Looks one value up under several keys in a single pass over the file's text. Key paths are
// relative to HKEY_LOCAL_MACHINE and separated by single backslashes; an empty value name is the
// key's default value. Key and value names compare without regard to case. String values are
// handed out in the 8-bit encoding (UTF-8) with their NULs as stored, as RegQueryValueExA does. A
// line that cannot be read is passed over: it never yields a value.
WineRegistryLookup look_up_wine_registry(std::string_view text,
                                         std::span<const std::string> key_paths,
                                         std::string_view value_name);

} // namespace platform
