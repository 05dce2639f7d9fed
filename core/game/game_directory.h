#pragma once

#include "core/result.h"
#include "platform/registry.h"

#include <optional>
#include <string>

// Where the game is installed, read from the registry entries its installers write, or else found
// in the user's Steam libraries. Nothing is kept between lookups: every operation looks afresh,
// once for every game file it touches.
namespace core {

// Reads one registry value the way the game's entries are read: into a 1024-byte buffer, a
// REG_SZ as its text (without a stored NUL), a REG_DWORD as its decimal number, any other type
// found but empty. Nothing when the value cannot be read.
std::optional<std::string> read_registry_text(platform::RegistryRoot root,
                                              const std::string& key_path,
                                              const std::string& value_name);

// The game directory from the first of the game's two entries that can be read, as stored (an
// entry of another type than text gives an empty one), else from a Steam library that holds the
// game; "RegKey not found!!" when none has it.
Result<Path> game_directory();

// The game directory for an operation that is about to touch the game's files: an entry that
// names no folder ends the operation too.
Result<Path> game_directory_for_operation();

} // namespace core
