#include "platform/registry.h"

#include "platform/wine_prefix.h"
#include "platform/wine_registry.h"

#include <cctype>
#include <fstream>
#include <string_view>

namespace platform {

namespace {

// One read of the whole file: taken a character at a time, a system.reg of a few megabytes costs
// tens of milliseconds, and it is read once for every game file an operation touches.
std::string read_whole_file(const std::string& path) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    const auto size = file ? static_cast<std::streamoff>(file.tellg()) : -1;
    if (size < 0)
        return {};
    std::string text(static_cast<std::size_t>(size), '\0');
    file.seekg(0);
    file.read(text.data(), size);
    text.resize(static_cast<std::size_t>(file.gcount()));
    return text;
}

bool starts_with_software(const std::string& key_path) {
    static constexpr std::string_view software = "software\\";
    if (key_path.size() < software.size())
        return false;
    for (std::size_t i = 0; i < software.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(key_path[i])) != software[i])
            return false;
    }
    return true;
}

} // namespace

// The machine-wide registry of the Wine prefix is its text file system.reg, the user's is
// user.reg. It is read afresh for every lookup, as the registry itself would be.
std::optional<RegistryValue> query_registry_value(RegistryRoot root, const std::string& key_path,
                                                  const std::string& value_name,
                                                  std::size_t buffer_size) {
    const bool machine = root == RegistryRoot::local_machine;
    const std::string text =
        read_whole_file(wine_prefix() + (machine ? "/system.reg" : "/user.reg"));

    // In a 64-bit prefix the 32-bit view of SOFTWARE lies under Software\Wow6432Node.
    std::vector<std::string> keys{key_path};
    if (machine && starts_with_software(key_path))
        keys.insert(keys.begin(), "Software\\Wow6432Node\\" + key_path.substr(9));
    const auto lookup = look_up_wine_registry(text, keys, value_name);
    if (!lookup.readable)
        return std::nullopt;

    const std::size_t first = lookup.win64 ? 0 : keys.size() - 1;
    for (std::size_t i = first; i < keys.size(); ++i) {
        const auto& value = lookup.values[i];
        if (value && value->data.size() <= buffer_size)
            return value;
    }
    return std::nullopt;
}

} // namespace platform
