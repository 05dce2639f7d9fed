#include "core/game/game_directory.h"

#include "core/game/steam_game.h"

#include <cstdint>
#include <utility>

namespace core {

namespace {
constexpr std::size_t read_buffer_size = 1024;
}

std::optional<std::string> read_registry_text(platform::RegistryRoot root,
                                              const std::string& key_path,
                                              const std::string& value_name) {
    const auto value = platform::query_registry_value(root, key_path, value_name, read_buffer_size);
    if (!value)
        return std::nullopt;

    const auto& data = value->data;
    if (value->type == platform::reg_sz) {
        // A stored terminating NUL is not part of the text; a value written without one loses
        // nothing.
        std::size_t size = data.size();
        if (size > 0 && data.back() == 0)
            --size;
        return std::string(reinterpret_cast<const char*>(data.data()), size);
    }
    if (value->type == platform::reg_dword) {
        std::uint32_t number = 0;
        for (std::size_t i = 0; i < data.size() && i < 4; ++i)
            number |= static_cast<std::uint32_t>(data[i]) << (8 * i);
        return std::to_string(number);
    }
    return std::string();
}

Result<Path> game_directory() {
    using platform::RegistryRoot;
    if (auto sierra = read_registry_text(RegistryRoot::local_machine,
                                         "SOFTWARE\\Sierra OnLine\\Setup\\CSTRIKE", "Directory"))
        return Path(std::move(*sierra));
    if (auto valve = read_registry_text(RegistryRoot::local_machine, "SOFTWARE\\Valve\\Half-Life",
                                        "InstallPath"))
        return Path(std::move(*valve));
    if (auto steam = find_steam_game_directory())
        return std::move(*steam);
    return fail(said("RegKey not found!!"));
}

Result<Path> game_directory_for_operation() {
    auto directory = game_directory();
    if (directory && directory->empty())
        return fail(said("The game's registry entry names no game folder, so Tessary cannot tell "
                         "where the game is installed."));
    return directory;
}

} // namespace core
