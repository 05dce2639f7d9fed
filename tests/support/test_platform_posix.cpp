#include "test_world.h"

#include "platform/wine_prefix.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iomanip>

namespace {

std::string file_key(const std::string& key, TestRegistry::View view) {
    std::string path = key;
    if (view == TestRegistry::View::wow32)
        path.insert(path.find('\\') + 1, "Wow6432Node\\");
    std::string escaped;
    for (const char c : path)
        escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return escaped;
}

} // namespace

void set_environment(const char* name, const std::string& value) {
    setenv(name, value.c_str(), 1);
}

std::filesystem::path standard_steam_root() {
    return std::filesystem::path(std::getenv("XDG_DATA_HOME")) / "Steam";
}

std::string write_hidden_file(const std::filesystem::path& folder, const std::string& name) {
    std::ofstream(folder / ("." + name)) << "hidden";
    return "." + name;
}

TestRegistry::TestRegistry() {
    set({}, {}, {}, View::native); // writes a registry file without keys
}

TestRegistry::~TestRegistry() {
    std::error_code ignored;
    std::filesystem::remove(platform::wine_prefix() + "/system.reg", ignored);
}

void TestRegistry::set_text(const std::string& key, const std::string& name,
                            const std::string& text, std::uint32_t type, bool with_nul, View view) {
    // Wine keeps strings in UTF-16; the tests' texts are ASCII.
    Value value{type, {}};
    for (const char c : text) {
        value.bytes.push_back(static_cast<unsigned char>(c));
        value.bytes.push_back(0);
    }
    if (with_nul)
        value.bytes.insert(value.bytes.end(), {0, 0});
    set(key, name, std::move(value), view);
}

void TestRegistry::clear() {
    keys_.clear();
    set({}, {}, {}, View::native);
}

void TestRegistry::set(const std::string& key, const std::string& name, Value value, View view) {
    if (!key.empty())
        keys_[file_key(key, view)][name] = std::move(value);

    std::filesystem::create_directories(platform::wine_prefix());
    std::ofstream file(platform::wine_prefix() + "/system.reg", std::ios::binary);
    file << "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n\n#arch=win64\n";
    for (const auto& [path, values] : keys_) {
        file << "\n[" << path << "] 1796483848\n#time=1dd84cbbd4fa780\n";
        for (const auto& [value_name, stored] : values) {
            file << '"' << value_name << "\"=hex(" << std::hex << stored.type << "):";
            for (std::size_t i = 0; i < stored.bytes.size(); ++i)
                file << (i ? "," : "") << std::setw(2) << std::setfill('0') << +stored.bytes[i];
            file << std::dec << '\n';
        }
    }
}
