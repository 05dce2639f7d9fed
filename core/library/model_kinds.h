#pragma once

#include "core/result.h"
#include "model/weapon_files.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The two kinds of model that Tessary keeps, each described once: its names, the files of one
// model, and the list of its backup sets.
namespace core {

enum class ModelKind { player, weapon };

struct ModelKindFacts {
    const char* branch;             // the library's folder of the kind, in models
    const char* name_list;          // the delivered list of its names, in the program folder
    std::size_t listed_names;       // how many of that list's lines are names
    const char* set_list;           // the list of its backup sets, in the program folder
    const char* import_pattern;     // the files its import window lists
    const char* last_folder_key;    // where its import window remembers its folder
    const char* nothing_to_preview; // what Preview says when no model is picked
    // A model holds every file of its kind (a player model is its one file), or any of them (a
    // weapon may lack a right-handed model): imports, backups and restores take what is there.
    bool model_holds_every_file;
};

// A player model is one file named after its type, <type>.mdl; a weapon model is up to four
// files: v_<w>.mdl (left), v_<w>_r.mdl (right), w_<w>.mdl and p_<w>.mdl. The game and the library
// keep them under the same names.
const ModelKindFacts& facts(ModelKind kind);

// The eleven player types of the game, in the order the install window lists them. The player
// list names nine; hostage and scientist have fixed folders of their own.
inline const std::array<std::string, 11> player_types{"sas",    "gign",    "urban",    "gsg9",
                                                      "terror", "arctic",  "leet",     "guerilla",
                                                      "vip",    "hostage", "scientist"};
inline const std::array<std::string, 2> fixed_player_types{"hostage", "scientist"};
// The same eleven in the order the import compares a file's name with them.
inline const std::array<std::string, 11> imported_player_types{
    "gign", "gsg9",     "urban", "sas",     "terror",   "arctic",
    "leet", "guerilla", "vip",   "hostage", "scientist"};

// The four files of a weapon model, in the order the install window's check boxes show them,
// which the install and the restore keep too. The import and the backup take them in orders of
// their own.
using model::WeaponFile;
using WeaponFileOrder = std::array<WeaponFile, 4>;
inline constexpr WeaponFileOrder weapon_files{WeaponFile::left, WeaponFile::right, WeaponFile::w,
                                              WeaponFile::p};
inline constexpr WeaponFileOrder import_order{WeaponFile::left, WeaponFile::w, WeaponFile::p,
                                              WeaponFile::right};
inline constexpr WeaponFileOrder backup_order{WeaponFile::left, WeaponFile::right, WeaponFile::p,
                                              WeaponFile::w};

using model::weapon_file_name;
using model::weapon_file_of;
using model::WeaponFileOf;

// The weapon a file picked for the import stands for, read as the import reads it: the name less
// its first two characters, whatever they are, and its extension, and less two more when it then
// ends in r. v_ak47.mdl, v_ak47_r.mdl and vxak47.mdl all give ak47. Nothing when the name is too
// short to hold one.
std::optional<std::string> weapon_name_from_file(std::string_view picked_file);

// The files of one model of the kind, for a player type or a weapon, a weapon's in that order.
std::vector<std::string> model_files(ModelKind kind, const std::string& name,
                                     const WeaponFileOrder& order = weapon_files);

// The files of a model that Preview shows, the first that is there: a player model's one file, a
// weapon's left model, else its right one.
std::vector<std::string> previewed_files(ModelKind kind, const std::string& name);

} // namespace core
