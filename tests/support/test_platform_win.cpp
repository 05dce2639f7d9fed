#include "test_world.h"

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace {

REGSAM view_flag(TestRegistry::View view) {
    return view == TestRegistry::View::wow32 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
}

} // namespace

void set_environment(const char* name, const std::string& value) {
    _putenv_s(name, value.c_str());
}

std::filesystem::path standard_steam_root() {
    return std::filesystem::path(std::getenv("ProgramFiles(x86)")) / "Steam";
}

std::string write_hidden_file(const std::filesystem::path& folder, const std::string& name) {
    const auto path = folder / name;
    std::ofstream(path) << "hidden";
    SetFileAttributesA(path.string().c_str(), FILE_ATTRIBUTE_HIDDEN);
    return name;
}

// The tests write and remove the game's and Steam's own keys, so they run only where the registry
// is a throwaway one: under Wine, in a fresh prefix.
TestRegistry::TestRegistry() {
    if (!GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version"))
        throw std::runtime_error("the registry tests run under Wine only, in a fresh prefix");
    clear();
}

TestRegistry::~TestRegistry() {
    clear();
}

void TestRegistry::set_text(const std::string& key, const std::string& name,
                            const std::string& text, std::uint32_t type, bool with_nul, View view) {
    Value value{type, std::vector<unsigned char>(text.begin(), text.end())};
    if (with_nul)
        value.bytes.push_back(0);
    set(key, name, std::move(value), view);
}

// The registry functions take the text as it is, and store strings as the system does.
void TestRegistry::set(const std::string& key, const std::string& name, Value value, View view) {
    HKEY handle = nullptr;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0,
                    KEY_ALL_ACCESS | view_flag(view), nullptr, &handle, nullptr);
    RegSetValueExA(handle, name.empty() ? nullptr : name.c_str(), 0, value.type, value.bytes.data(),
                   static_cast<DWORD>(value.bytes.size()));
    RegCloseKey(handle);
}

void TestRegistry::set_user_text(const std::string& key, const std::string& name,
                                 const std::string& text) {
    HKEY handle = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle,
                    nullptr);
    RegSetValueExA(handle, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
    RegCloseKey(handle);
}

// The game's, Steam's and the tests' keys are removed in both views, whoever wrote them.
void TestRegistry::clear() {
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Valve\\Steam");
    for (const char* key : {"SOFTWARE\\Sierra OnLine\\Setup\\CSTRIKE", "SOFTWARE\\Valve\\Half-Life",
                            "SOFTWARE\\Valve\\Steam", "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                            "SOFTWARE\\Microsoft\\Shared Tools Location", "SOFTWARE\\Missing"})
        for (const View view : {View::wow32, View::native})
            RegDeleteKeyExA(HKEY_LOCAL_MACHINE, key, view_flag(view), 0);
}
