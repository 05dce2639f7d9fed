#include "library/game_directory.h"

#include "library/steam_game.h"
#include "platform/message.h"

#include <cstdint>
#include <utility>

namespace library {

namespace {
constexpr std::size_t read_buffer_size = 1024;
}

KeyValue GetKeyValue(platform::RegistryRoot root, const std::string& key_path,
                     const std::string& value_name) {
    const auto value = platform::query_registry_value(root, key_path, value_name, read_buffer_size);
    if (!value)
        return {};

    KeyValue result{true, {}};
    const auto& data = value->data;
    if (value->type == platform::reg_sz) {
        // A stored terminating NUL is not part of the text; a value written without one loses
        // nothing.
        std::size_t size = data.size();
        if (size > 0 && data.back() == 0)
            --size;
        result.text.assign(reinterpret_cast<const char*>(data.data()), size);
    } else if (value->type == platform::reg_dword) {
        std::uint32_t number = 0;
        for (std::size_t i = 0; i < data.size() && i < 4; ++i)
            number |= static_cast<std::uint32_t>(data[i]) << (8 * i);
        result.text = std::to_string(number);
    }
    return result;
}

namespace {

// The text of the first of the game's entries that can be read, else the game's folder in a Steam
// library; nothing when neither entry can be read and no library holds the game.
std::optional<std::string> read_game_entries() {
    using platform::RegistryRoot;
    if (auto sierra = GetKeyValue(RegistryRoot::local_machine,
                                  "SOFTWARE\\Sierra OnLine\\Setup\\CSTRIKE", "Directory");
        sierra.found)
        return std::move(sierra.text);
    if (auto valve =
            GetKeyValue(RegistryRoot::local_machine, "SOFTWARE\\Valve\\Half-Life", "InstallPath");
        valve.found)
        return std::move(valve.text);
    if (auto steam = find_steam_game_directory())
        return steam;
    platform::show_message("RegKey not found!!");
    return std::nullopt;
}

} // namespace

std::string GetGameDirectory() {
    return read_game_entries().value_or(std::string());
}

std::optional<std::string> game_directory_for_operation() {
    auto directory = read_game_entries();
    if (!directory)
        return std::nullopt;
    if (directory->empty()) {
        // An entry of another type than text reads as found but empty.
        platform::show_message("The game's registry entry names no game folder, so Tessary "
                               "cannot tell where the game is installed.");
        return std::nullopt;
    }
    return directory;
}

} // namespace library
