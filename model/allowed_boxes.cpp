#include "model/server_check.h"

#include "model/weapon_files.h"
#include "platform/names.h"
#include "platform/path.h"

#include <initializer_list>

namespace model {

namespace {

struct CheckedFiles {
    std::initializer_list<std::string_view> stems; // each file is the stem and the extension
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

} // namespace

std::optional<Box> allowed_box(std::string_view file_name) {
    const platform::Path path{std::string(file_name)};
    if (!platform::same_name(path.extension(), model_extension))
        return std::nullopt;
    for (const CheckedFiles& files : checked_files)
        for (const std::string_view stem : files.stems)
            if (platform::same_name(path.stem(), stem))
                return files.allowed;
    return std::nullopt;
}

ComparedBox compared_box(std::string_view file_name) {
    const platform::Path path{std::string(file_name)};
    if (const auto own = allowed_box(path.file_name()))
        return {*own, std::string(path.file_name())};
    // v_<weapon>.mdl, v_<weapon>_r.mdl and w_<weapon>.mdl take the box of p_<weapon>.mdl.
    if (const auto weapon = weapon_file_of(path.file_name())) {
        auto p_model = weapon_file_name(weapon->weapon, WeaponFile::p);
        if (const auto box = allowed_box(p_model))
            return {*box, std::move(p_model)};
    }
    return {player_box, {}};
}

} // namespace model
