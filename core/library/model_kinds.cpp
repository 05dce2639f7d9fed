#include "core/library/model_kinds.h"

#include "platform/names.h"

#include <algorithm>

namespace core {

namespace {

constexpr ModelKindFacts player_facts{"player",  "player.txt",        9,   "pbackup.txt", "*.mdl",
                                      "playeri", platform::to_say("No model selected"), true};
constexpr ModelKindFacts weapon_facts{"weapon",  "weapon.txt",        27,   "wbackup.txt", "v*.mdl",
                                      "weaponi", platform::to_say("No file selected."), false};

constexpr std::string_view extension = ".mdl";

// How a weapon's files are named after it: prefix, weapon, suffix and extension.
struct WeaponFileNaming {
    WeaponFile file;
    std::string_view prefix;
    std::string_view suffix;
};
// The right model first, whose name would read as a left model's of a weapon named with "_r".
constexpr std::array<WeaponFileNaming, 4> weapon_file_namings{{{WeaponFile::right, "v_", "_r"},
                                                               {WeaponFile::left, "v_", ""},
                                                               {WeaponFile::w, "w_", ""},
                                                               {WeaponFile::p, "p_", ""}}};

const WeaponFileNaming& naming_of(WeaponFile file) {
    return *std::ranges::find(weapon_file_namings, file, &WeaponFileNaming::file);
}

bool ends_with(std::string_view name, std::string_view end) {
    return name.size() >= end.size() &&
           platform::same_name(name.substr(name.size() - end.size()), end);
}

} // namespace

const ModelKindFacts& facts(ModelKind kind) {
    return kind == ModelKind::player ? player_facts : weapon_facts;
}

std::string weapon_file_name(const std::string& weapon, WeaponFile file) {
    const auto& naming = naming_of(file);
    return std::string(naming.prefix) + weapon + std::string(naming.suffix) +
           std::string(extension);
}

std::optional<WeaponFileOf> weapon_file_of(std::string_view file_name) {
    if (!ends_with(file_name, extension))
        return std::nullopt;
    const auto stem = file_name.substr(0, file_name.size() - extension.size());
    for (const auto& naming : weapon_file_namings) {
        const auto affixes = naming.prefix.size() + naming.suffix.size();
        if (stem.size() > affixes &&
            platform::same_name(stem.substr(0, naming.prefix.size()), naming.prefix) &&
            ends_with(stem, naming.suffix))
            return WeaponFileOf{
                std::string(stem.substr(naming.prefix.size(), stem.size() - affixes)), naming.file};
    }
    return std::nullopt;
}

std::optional<std::string> weapon_name_from_file(std::string_view picked_file) {
    const auto prefix = naming_of(WeaponFile::left).prefix.size();
    const auto right_suffix = naming_of(WeaponFile::right).suffix;
    if (picked_file.size() < prefix + extension.size())
        return std::nullopt;
    auto name = picked_file.substr(prefix, picked_file.size() - prefix - extension.size());
    if (!name.empty() && name.back() == right_suffix.back()) {
        if (name.size() < right_suffix.size())
            return std::nullopt;
        name.remove_suffix(right_suffix.size());
    }
    return std::string(name);
}

std::vector<std::string> model_files(ModelKind kind, const std::string& name,
                                     const WeaponFileOrder& order) {
    if (kind == ModelKind::player)
        return {name + std::string(extension)};
    std::vector<std::string> files;
    for (const auto file : order)
        files.push_back(weapon_file_name(name, file));
    return files;
}

std::vector<std::string> previewed_files(ModelKind kind, const std::string& name) {
    if (kind == ModelKind::player)
        return model_files(kind, name);
    return {weapon_file_name(name, WeaponFile::left), weapon_file_name(name, WeaponFile::right)};
}

} // namespace core
