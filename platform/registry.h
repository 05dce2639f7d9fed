#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Reading the registry: the machine-wide part, where the game's installers leave their entries,
// and the user's own, where Steam keeps its folder.
namespace platform {

inline constexpr std::uint32_t reg_sz = 1;
inline constexpr std::uint32_t reg_expand_sz = 2;
inline constexpr std::uint32_t reg_binary = 3;
inline constexpr std::uint32_t reg_dword = 4;
inline constexpr std::uint32_t reg_multi_sz = 7;

// A value as the registry holds it: its type and its bytes. Text types are in UTF-8, with their
// terminating NUL as stored.
struct RegistryValue {
    std::uint32_t type = 0;
    std::vector<unsigned char> data;
};

enum class RegistryRoot { local_machine, current_user };

// Opens the key under the root for reading and reads the value, at most buffer_size bytes of it.
// Nothing when the key cannot be opened, the value is missing, or its data does not fit the
// buffer. 32-bit installers wrote their machine-wide keys into the 32-bit view, so that view is
// read first and the native one after it; the user's keys have only one.
std::optional<RegistryValue> query_registry_value(RegistryRoot root, const std::string& key_path,
                                                  const std::string& value_name,
                                                  std::size_t buffer_size);

} // namespace platform
