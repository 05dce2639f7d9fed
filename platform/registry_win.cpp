#include "platform/registry.h"

#include "platform/utf16_win.h"

#include <windows.h>

namespace platform {

namespace {

bool is_text(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

std::optional<RegistryValue> query(HKEY root, const std::string& key_path,
                                   const std::string& value_name, std::size_t buffer_size,
                                   REGSAM view) {
    // Keys are opened for reading only, deliberately: asking for the rights to set values and
    // make keys too (the mask 0x2003F) is refused on HKEY_LOCAL_MACHINE to a 64-bit program run
    // without elevation, and the game would never be found.
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, widened(key_path).c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS)
        return std::nullopt;
    const std::wstring name = widened(value_name);
    DWORD type = 0;
    DWORD size = 0;
    std::vector<unsigned char> data;
    // Text takes two bytes a character here and about one in UTF-8; anything larger could
    // never fit the buffer.
    LONG queried = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
    if (queried == ERROR_SUCCESS && size <= 4 * buffer_size + 4) {
        data.resize(size);
        queried = RegQueryValueExW(key, name.c_str(), nullptr, &type, data.data(), &size);
        data.resize(size);
    }
    RegCloseKey(key);
    if (queried != ERROR_SUCCESS)
        return std::nullopt;
    RegistryValue value;
    value.type = type;
    if (is_text(type)) {
        const std::wstring_view text(reinterpret_cast<const wchar_t*>(data.data()),
                                     data.size() / sizeof(wchar_t));
        const std::string utf8 = narrowed(text);
        value.data.assign(utf8.begin(), utf8.end());
    } else {
        value.data = std::move(data);
    }
    if (value.data.size() > buffer_size)
        return std::nullopt;
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
