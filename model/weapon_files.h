#pragma once

#include <optional>
#include <string>
#include <string_view>

// How the game names its model files: each ends in ".mdl", and a weapon's four are named after
// the weapon with a prefix and, for the right-handed view model, a suffix.
namespace model {

inline constexpr std::string_view model_extension = ".mdl";

// The name, or the last name of a path, is a model file's: a name before ".mdl", letter case
// aside.
bool is_model_file_name(std::string_view name);

// The four files of a weapon model: v_<w>.mdl (the left-handed view), v_<w>_r.mdl (the
// right-handed one), w_<w>.mdl (on the ground) and p_<w>.mdl (in a player's hands).
enum class WeaponFile { left, right, w, p };

struct WeaponFileNaming {
    WeaponFile file;
    std::string_view prefix;
    std::string_view suffix; // before the extension
};
const WeaponFileNaming& weapon_file_naming(WeaponFile file);

std::string weapon_file_name(std::string_view weapon, WeaponFile file);

// The weapon whose file of that kind the name is, letter case aside: v_ak47_r.mdl is ak47's
// right model, V_Balrog5.MDL balrog5's left one. Nothing for a name of no such form.
struct WeaponFileOf {
    std::string weapon;
    WeaponFile file;
};
std::optional<WeaponFileOf> weapon_file_of(std::string_view file_name);

} // namespace model
