#include "core/library/model_kinds.h"

#include <algorithm>

namespace core {

namespace {

constexpr ModelKindFacts player_facts{"player",  "player.txt",        9,   "pbackup.txt", "*.mdl",
                                      "playeri", "No model selected", true};
constexpr ModelKindFacts weapon_facts{"weapon",  "weapon.txt",        27,   "wbackup.txt", "v*.mdl",
                                      "weaponi", "No file selected.", false};

} // namespace

const ModelKindFacts& facts(ModelKind kind) {
    return kind == ModelKind::player ? player_facts : weapon_facts;
}

std::string weapon_file_name(const std::string& weapon, WeaponFile file) {
    switch (file) {
    case WeaponFile::left:
        return "v_" + weapon + ".mdl";
    case WeaponFile::right:
        return "v_" + weapon + "_r.mdl";
    case WeaponFile::w:
        return "w_" + weapon + ".mdl";
    case WeaponFile::p:
        return "p_" + weapon + ".mdl";
    }
    return {};
}

std::vector<std::string> model_files(ModelKind kind, const std::string& name,
                                     const WeaponFileOrder& order) {
    if (kind == ModelKind::player)
        return {name + ".mdl"};
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
