#include "platform/registry.h"

#include <windows.h>

namespace platform {

namespace {

constexpr REGSAM access_mask = 0x2003F;

std::optional<RegistryValue> query(HKEY root, const std::string& key_path,
                                   const std::string& value_name, std::size_t buffer_size,
                                   REGSAM view) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, key_path.c_str(), 0, access_mask | view, &key) != ERROR_SUCCESS)
        return std::nullopt;
    RegistryValue value;
    value.data.assign(buffer_size, 0);
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(buffer_size);
    const LONG queried =
        RegQueryValueExA(key, value_name.c_str(), nullptr, &type, value.data.data(), &size);
    RegCloseKey(key);
    if (queried != ERROR_SUCCESS)
        return std::nullopt;
    value.type = type;
    value.data.resize(size);
    return value;
}

} // namespace

std::optional<RegistryValue> query_registry_value(RegistryRoot root, const std::string& key_path,
                                                  const std::string& value_name,
                                                  std::size_t buffer_size) {
    if (root == RegistryRoot::current_user)
        return query(HKEY_CURRENT_USER, key_path, value_name, buffer_size, 0);
    if (auto value = query(HKEY_LOCAL_MACHINE, key_path, value_name, buffer_size, KEY_WOW64_32KEY))
        return value;
    return query(HKEY_LOCAL_MACHINE, key_path, value_name, buffer_size, KEY_WOW64_64KEY);
}

} // namespace platform
