#include "core/library/model_kinds.h"

namespace core {

namespace {

constexpr ModelKindFacts player_facts{"player",
                                      "player.txt",
                                      9,
                                      "pbackup.txt",
                                      "*.mdl",
                                      "playeri",
                                      platform::to_say("No model selected"),
                                      true};
constexpr ModelKindFacts weapon_facts{"weapon",
                                      "weapon.txt",
                                      27,
                                      "wbackup.txt",
                                      "v*.mdl",
                                      "weaponi",
                                      platform::to_say("No file selected."),
                                      false};

using model::model_extension;
using model::weapon_file_naming;

} // namespace

const ModelKindFacts& facts(ModelKind kind) {
    return kind == ModelKind::player ? player_facts : weapon_facts;
}

std::optional<std::string> weapon_name_from_file(std::string_view picked_file) {
    const auto prefix = weapon_file_naming(WeaponFile::left).prefix.size();
    const auto right_suffix = weapon_file_naming(WeaponFile::right).suffix;
    if (picked_file.size() < prefix + model_extension.size())
        return std::nullopt;
    auto name = picked_file.substr(prefix, picked_file.size() - prefix - model_extension.size());
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
        return {name + std::string(model_extension)};
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
