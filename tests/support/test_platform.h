#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

// What differs between the platforms when tests set up their files, registry and faults.

void set_environment(const char* name, const std::string& value);

// Writes a hidden file into the folder and gives back its name: on Linux a name beginning with
// a dot, on Windows one with the hidden attribute.
std::string write_hidden_file(const std::filesystem::path& folder, const std::string& name);

// The folder that a Steam install takes when the user names no other: Steam in $XDG_DATA_HOME
// (by default ~/.local/share) on Linux, Steam in Program Files (x86) on Windows.
std::filesystem::path standard_steam_root();

// Registry values written where the platform's registry reader looks for them: the system.reg of
// the Wine prefix on Linux, the registry itself on Windows. Keys are relative to
// HKEY_LOCAL_MACHINE unless said otherwise; everything written is removed again.
class TestRegistry {
public:
    enum class View { wow32, native }; // the 32-bit installers' view, or the machine's own

    TestRegistry();
    ~TestRegistry();
    TestRegistry(const TestRegistry&) = delete;
    TestRegistry& operator=(const TestRegistry&) = delete;

    // A string value of type REG_SZ, REG_EXPAND_SZ or REG_MULTI_SZ, stored with or without its
    // terminating NUL.
    void set_text(const std::string& key, const std::string& name, const std::string& text,
                  std::uint32_t type = 1, bool with_nul = true, View view = View::wow32);
    void set_dword(const std::string& key, const std::string& name, std::uint32_t value) {
        set(key, name,
            {4,
             {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
              static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)}},
            View::wow32);
    }
    // A REG_SZ value under HKEY_CURRENT_USER (Windows only: Steam keeps its path there).
    void set_user_text(const std::string& key, const std::string& name, const std::string& text);

    // Removes every value written.
    void clear();

private:
    struct Value {
        std::uint32_t type;
        std::vector<unsigned char> bytes; // as stored: strings in UTF-16
    };
    void set(const std::string& key, const std::string& name, Value value, View view);

    std::map<std::string, std::map<std::string, Value>> keys_; // Linux only
};
