#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// The two name lists delivered beside the executable, weapon.txt and player.txt, and the
// program-wide tables that hold them. Every user loads a list afresh from its file.
namespace library {

inline constexpr std::size_t weapon_count = 27;
inline constexpr std::size_t player_type_count = 9;

using WeaponNames = std::array<std::string, weapon_count>;
using PlayerTypes = std::array<std::string, player_type_count>;

extern WeaponNames weapon_names;
extern PlayerTypes player_types;

// The weapon import and weapon install windows' own table, filled when one of them opens.
extern WeaponNames window_weapon_names;

// How a load went: the names read fill the first `count` entries (the rest are emptied), and
// problem says, for the user, why that is fewer than the table holds.
struct NameListLoad {
    std::size_t count = 0;
    std::string problem;

    bool complete() const { return problem.empty(); }
};

// Loads the first 27 lines of weapon.txt into a weapon table.
NameListLoad load_weapon_names(WeaponNames& table);

// Loads the first 9 lines of player.txt into player_types.
NameListLoad load_player_types();

// The loaded player types followed by hostage and scientist, which have fixed folders: the
// eleven types of a player backup set.
std::vector<std::string> player_set_types();

// Loads both lists and checks that every name can be a folder name of the library tree and
// stands only once in its list. The first problem found, for the user; empty when there is none.
std::string check_name_lists();

} // namespace library
