#include "library/name_lists.h"

#include "library/folder_names.h"
#include "platform/file_system.h"
#include "platform/program_folder.h"

#include <algorithm>
#include <cctype>
#include <span>

namespace library {

WeaponNames weapon_names;
PlayerTypes player_types;
WeaponNames window_weapon_names;

namespace {

NameListLoad load(const std::string& file_name, std::span<std::string> table) {
    const auto read =
        platform::read_lines(platform::program_folder() + "\\" + file_name, table.size());
    NameListLoad load;
    load.count = read.lines.size();
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = i < read.lines.size() ? read.lines[i] : std::string();

    if (read.error) {
        load.problem =
            file_name + " could not be read from the program folder: " + read.error.message() + ".";
    } else if (load.count < table.size()) {
        load.problem = file_name + " in the program folder holds " + std::to_string(load.count) +
                       " lines, but Tessary needs " + std::to_string(table.size()) + ".";
    }
    return load;
}

// Folder names are compared as the file system does, without regard to case.
bool same_folder(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

std::string check_names(const std::string& file_name, std::span<const std::string> names,
                        std::span<const std::string> taken) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto line =
            "Line " + std::to_string(i + 1) + " of " + file_name + ", \"" + names[i] + "\",";
        if (const auto problem = folder_name_problem(names[i]); !problem.empty())
            return line + " cannot be a folder name: " + problem + ".";
        for (std::size_t j = 0; j < i; ++j) {
            if (same_folder(names[j], names[i]))
                return line + " repeats line " + std::to_string(j + 1) + ".";
        }
        for (const auto& name : taken) {
            if (same_folder(name, names[i]))
                return line + " names a folder that Tessary makes itself.";
        }
    }
    return {};
}

} // namespace

NameListLoad load_weapon_names(WeaponNames& table) {
    return load("weapon.txt", table);
}

NameListLoad load_player_types() {
    return load("player.txt", player_types);
}

std::vector<std::string> player_set_types() {
    std::vector<std::string> types(player_types.begin(), player_types.end());
    types.insert(types.end(), {"hostage", "scientist"});
    return types;
}

std::string check_name_lists() {
    if (const auto weapons = load_weapon_names(weapon_names); !weapons.complete())
        return weapons.problem;
    if (const auto players = load_player_types(); !players.complete())
        return players.problem;
    if (auto problem = check_names("weapon.txt", weapon_names, {}); !problem.empty())
        return problem;
    static const std::string fixed_types[] = {"hostage", "scientist"};
    return check_names("player.txt", player_types, fixed_types);
}

} // namespace library
