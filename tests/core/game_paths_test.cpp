#include "library/game_paths.h"

#include <gtest/gtest.h>

using namespace library;

TEST(GamePaths, EveryGameFileAndItsLibraryFileShareOneName) {
    EXPECT_EQ(game_player_model_path("C:\\Game", "vip"),
              "C:\\Game\\cstrike\\models\\player\\vip\\vip.mdl");
    EXPECT_EQ(game_player_model_path("C:\\Game", "hostage"),
              "C:\\Game\\cstrike\\models\\hostage.mdl");
    EXPECT_EQ(game_player_model_path("C:\\Game", "scientist"),
              "C:\\Game\\cstrike\\models\\scientist.mdl");
    // The game directory is used as stored, a trailing backslash and all.
    EXPECT_EQ(game_player_model_path("C:\\Game\\", "gign"),
              "C:\\Game\\\\cstrike\\models\\player\\gign\\gign.mdl");

    EXPECT_EQ(library_player_model_path("C:\\Tools", "hostage", "blue"),
              "C:\\Tools\\models\\player\\hostage\\blue\\hostage.mdl");
    EXPECT_EQ(library_player_model_path("C:\\Tools", "gign", "blue"),
              "C:\\Tools\\models\\player\\gign\\blue\\gign.mdl");

    const struct {
        WeaponKind kind;
        const char* file;
    } kinds[] = {{WeaponKind::left, "v_ak47.mdl"},
                 {WeaponKind::right, "v_ak47_r.mdl"},
                 {WeaponKind::w, "w_ak47.mdl"},
                 {WeaponKind::p, "p_ak47.mdl"}};
    for (const auto& [kind, file] : kinds) {
        EXPECT_EQ(weapon_file_name("ak47", kind), file);
        EXPECT_EQ(game_weapon_model_path("C:\\Game", "ak47", kind),
                  std::string("C:\\Game\\cstrike\\models\\") + file);
        EXPECT_EQ(library_weapon_model_path("C:\\Tools", "ak47", "Gold", kind),
                  std::string("C:\\Tools\\models\\weapon\\ak47\\Gold\\") + file);
    }
}
