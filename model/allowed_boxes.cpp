#include "model/server_check.h"

#include "platform/names.h"

#include <initializer_list>

namespace model {

namespace {

struct CheckedFiles {
    std::initializer_list<std::string_view> stems; // each file is the stem and ".mdl"
    Box allowed;
};

// The game's own table: each box was cut to just hold the game's own models.
const CheckedFiles checked_files[] = {
    {{"leet", "gign", "vip", "gsg9", "guerilla", "arctic", "sas", "terror", "urban"},
     {{-38, -24, -41}, {38, 24, 41}}},
    {{"p_deagle", "p_p228", "p_elite", "p_usp", "p_fiveseven", "p_glock18"},
     {{-12, -6, -22}, {12, 6, 22}}},
    {{"p_xm1014", "p_m3"}, {{-25, -19, -21}, {25, 23, 21}}},
    {{"p_mac10", "p_mp5", "p_ump45", "p_tmp", "p_p90"}, {{-23, -8, -20}, {23, 8, 20}}},
    {{"p_ak47", "p_aug", "p_awp", "p_g3sg1", "p_sg550", "p_m4a1", "p_scout", "p_sg552", "p_famas",
      "p_galil"},
     {{-31, -8, -21}, {31, 12, 31}}},
    {{"p_m249"}, {{-24, -10, -20}, {25, 10, 20}}},
    {{"p_c4"}, {{-7, -7, -15}, {7, 7, 15}}},
    {{"w_c4"}, {{-4, -8, -3}, {3, 7, 3}}},
    {{"p_flashbang", "p_hegrenade", "p_smokegrenade"}, {{-7, -2, -18}, {7, 2, 18}}},
    {{"w_flashbang", "w_hegrenade", "w_smokegrenade"}, {{-5, -5, -5}, {5, 5, 14}}},
    {{"p_knife"}, {{-7, -11, -18}, {7, 6, 18}}},
    {{"p_shield_deagle", "p_shield_fiveseven", "p_shield_flashbang", "p_shield_glock18",
      "p_shield_hegrenade", "p_shield_knife", "p_shield_p228", "p_shield_smokegrenade",
      "p_shield_usp"},
     {{-16, -8, -54}, {16, 6, 24}}},
};

const Box& player_box = checked_files[0].allowed;

std::string_view without_folder(std::string_view file_name) {
    if (const auto slash = file_name.find_last_of("/\\"); slash != std::string_view::npos)
        file_name.remove_prefix(slash + 1);
    return file_name;
}

} // namespace

std::optional<Box> allowed_box(std::string_view file_name) {
    file_name = without_folder(file_name);
    for (const CheckedFiles& files : checked_files)
        for (const std::string_view stem : files.stems)
            if (platform::same_name(file_name, std::string(stem) + ".mdl"))
                return files.allowed;
    return std::nullopt;
}

ComparedBox compared_box(std::string_view file_name) {
    file_name = without_folder(file_name);
    if (const auto own = allowed_box(file_name))
        return {*own, std::string(file_name)};
    // The weapon of v_<weapon>.mdl, v_<weapon>_r.mdl and w_<weapon>.mdl.
    std::string_view weapon = file_name;
    const auto ends_with = [&weapon](std::string_view end) {
        return weapon.size() > end.size() &&
               platform::same_name(weapon.substr(weapon.size() - end.size()), end);
    };
    const auto starts_with = [&weapon](std::string_view start) {
        return weapon.size() > start.size() &&
               platform::same_name(weapon.substr(0, start.size()), start);
    };
    if (ends_with(".mdl"))
        weapon.remove_suffix(4);
    if (ends_with("_r"))
        weapon.remove_suffix(2);
    if (starts_with("v_") || starts_with("w_") || starts_with("p_")) {
        const std::string p_model = "p_" + std::string(weapon.substr(2)) + ".mdl";
        if (const auto box = allowed_box(p_model))
            return {*box, p_model};
    }
    return {player_box, {}};
}

} // namespace model
