#pragma once

#include "platform/registry.h"

#include <optional>
#include <string>

// Where the game is installed, read from the registry entries its installers write, or else found
// in the user's Steam libraries. Nothing is cached: every operation looks afresh, once for every
// game file it touches.
namespace library {

struct KeyValue {
    bool found = false;
    std::string text;
};

// Reads one registry value the way the game's entries are read: into a 1024-byte buffer, a
// REG_SZ as its text (without a stored NUL), a REG_DWORD as its decimal number, any other type
// found but empty.
KeyValue GetKeyValue(platform::RegistryRoot root, const std::string& key_path,
                     const std::string& value_name);

// The game directory from the first of the game's two entries that can be read, else from a Steam
// library; after the message "RegKey not found!!" an empty text when none has it.
std::string GetGameDirectory();

// The game directory for an operation that is about to touch the game's files, or nothing when
// there is none; the user has then been told, and the operation ends without touching anything.
std::optional<std::string> game_directory_for_operation();

} // namespace library
