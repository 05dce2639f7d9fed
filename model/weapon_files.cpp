#include "model/weapon_files.h"

#include "platform/names.h"
#include "platform/path.h"

#include <algorithm>
#include <array>

namespace model {

namespace {

// The right model first, whose name would read as a left model's of a weapon named with "_r".
constexpr std::array<WeaponFileNaming, 4> namings{{{WeaponFile::right, "v_", "_r"},
                                                   {WeaponFile::left, "v_", ""},
                                                   {WeaponFile::w, "w_", ""},
                                                   {WeaponFile::p, "p_", ""}}};

} // namespace

bool is_model_file_name(std::string_view name) {
    return platform::same_name(platform::Path(std::string(name)).extension(), model_extension);
}

const WeaponFileNaming& weapon_file_naming(WeaponFile file) {
    return *std::ranges::find(namings, file, &WeaponFileNaming::file);
}

std::string weapon_file_name(std::string_view weapon, WeaponFile file) {
    const auto& naming = weapon_file_naming(file);
    std::string name(naming.prefix);
    return name.append(weapon).append(naming.suffix).append(model_extension);
}

std::optional<WeaponFileOf> weapon_file_of(std::string_view file_name) {
    const platform::Path path{std::string(file_name)};
    if (!platform::same_name(path.extension(), model_extension))
        return std::nullopt;
    const auto stem = path.stem();
    for (const auto& naming : namings) {
        const auto affixes = naming.prefix.size() + naming.suffix.size();
        if (stem.size() > affixes &&
            platform::same_name(stem.substr(0, naming.prefix.size()), naming.prefix) &&
            platform::same_name(stem.substr(stem.size() - naming.suffix.size()), naming.suffix))
            return WeaponFileOf{
                std::string(stem.substr(naming.prefix.size(), stem.size() - affixes)), naming.file};
    }
    return std::nullopt;
}

} // namespace model
