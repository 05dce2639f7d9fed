#pragma once

#include <string>

// The per-user settings store: text values addressed by application name, section and key.
namespace platform {

// The stored value, or default_value when the key was never written.
std::string read_setting(const std::string& application, const std::string& section,
                         const std::string& key, const std::string& default_value);

void write_setting(const std::string& application, const std::string& section,
                   const std::string& key, const std::string& value);

// Keeps the store in this folder instead of the user's configuration folder (for tests).
void set_settings_folder(const std::string& folder);

} // namespace platform
