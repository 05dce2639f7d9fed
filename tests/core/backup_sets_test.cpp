#include "library/backup_sets.h"
#include "library/restore_sets.h"
#include "test_world.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// A world with a game and a library, where backups report their status into `status`.
struct BackupWorld : TestWorld {
    BackupWorld() {
        register_game();
        make_game_files();
        make_library();
    }

    void back_up_players(const std::string& name) {
        library::create_player_set(name,
                                   [this](const std::string& text) { status.push_back(text); });
    }
    void back_up_weapons(const std::string& name) {
        library::create_weapon_set(name,
                                   [this](const std::string& text) { status.push_back(text); });
    }

    std::vector<std::string> status;
};

const std::string no_set = "Please select a backup set before clicking install.";

} // namespace

TEST(BackupSets, WeaponSetsHoldWhatTheGameHasAndAreListedInOrder) {
    BackupWorld world;
    fs::remove(world.game_file("v_awp_r.mdl"));
    for (const auto* file : {"v_c4.mdl", "v_c4_r.mdl", "w_c4.mdl", "p_c4.mdl"})
        fs::remove(world.game_file(file));

    world.back_up_weapons("A");
    world.back_up_weapons("B");
    EXPECT_TRUE(world.messages.empty());
    EXPECT_EQ(world.status, (std::vector<std::string>(2, "Weapon model backup complete.")));
    EXPECT_EQ(TestWorld::read(world.program / "wbackup.txt"), "A\r\nB\r\n");

    for (const auto& weapon : delivered_weapons())
        EXPECT_TRUE(fs::is_directory(world.library_file("weapon/" + weapon + "/B"))) << weapon;
    EXPECT_EQ(TestWorld::read(world.library_file("weapon/ak47/A/v_ak47_r.mdl")),
              "game v_ak47_r.mdl");
    EXPECT_TRUE(fs::exists(world.library_file("weapon/awp/A/w_awp.mdl")));
    EXPECT_FALSE(fs::exists(world.library_file("weapon/awp/A/v_awp_r.mdl")));
    EXPECT_TRUE(fs::is_empty(world.library_file("weapon/c4/A")));

    world.back_up_weapons("A");
    EXPECT_EQ(world.messages, std::vector<std::string>{"That name already exists."});
    EXPECT_EQ(TestWorld::read(world.program / "wbackup.txt"), "A\r\nB\r\n");
}

TEST(BackupSets, PlayerNamesAreCheckedAgainstEveryPlayerModel) {
    BackupWorld world;
    world.back_up_players("Mine");
    EXPECT_EQ(world.status, std::vector<std::string>{"Player model backup complete."});
    EXPECT_EQ(TestWorld::read(world.library_file("player/hostage/Mine/hostage.mdl")),
              "game hostage");
    EXPECT_EQ(TestWorld::read(world.library_file("player/vip/Mine/vip.mdl")), "game vip");

    TestWorld::write(world.library_file("player/scientist/Imported/scientist.mdl"), "model");
    TestWorld::write(world.library_file("weapon/ak47/Gold/v_ak47.mdl"), "model");
    for (const auto* taken : {"Mine", "Imported"}) {
        world.messages.clear();
        world.back_up_players(taken);
        EXPECT_EQ(world.messages, std::vector<std::string>{"That name already exists."});
    }
    EXPECT_EQ(TestWorld::read(world.program / "pbackup.txt"), "Mine\r\n");

    world.messages.clear();
    world.back_up_players("Gold"); // a weapon model's name is free for players
    EXPECT_TRUE(world.messages.empty());
    EXPECT_EQ(TestWorld::read(world.program / "pbackup.txt"), "Mine\r\nGold\r\n");
}

TEST(BackupSets, ARefusedBackupCreatesNothing) {
    BackupWorld world;
    fs::remove(world.game_file("player/leet/leet.mdl"));
    world.back_up_players("Half");
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_NE(world.messages[0].find("leet.mdl"), std::string::npos);

    world.messages.clear();
    world.back_up_weapons("");
    world.back_up_weapons("a:b");
    world.back_up_weapons(" ");
    EXPECT_EQ(world.messages.size(), 3u);

    world.messages.clear();
    world.registry.set_text("SOFTWARE\\Sierra OnLine\\Setup\\CSTRIKE", "Directory", "", 7);
    fs::remove(world.program / "weapon.txt");
    world.back_up_weapons("NoList");
    TestWorld::write(world.program / "weapon.txt", TestWorld::read(TESSARY_DATA_DIR "/weapon.txt"));
    world.back_up_weapons("NoGame");
    EXPECT_EQ(world.messages.size(), 2u);

    EXPECT_TRUE(fs::is_empty(world.library_file("player/sas")));
    EXPECT_TRUE(fs::is_empty(world.library_file("weapon/ak47")));
    EXPECT_FALSE(fs::exists(world.program / "pbackup.txt"));
    EXPECT_FALSE(fs::exists(world.program / "wbackup.txt"));
    EXPECT_TRUE(world.status.empty());
}

TEST(RestoreSets, ARestoreGivesBackEveryGameFileByteForByte) {
    BackupWorld world;
    world.back_up_players("Before");
    world.back_up_weapons("Before");

    // The game changes after the backup, and gains a right model its backup never had.
    for (const auto& entry : fs::recursive_directory_iterator(world.game))
        if (entry.is_regular_file())
            TestWorld::write(entry.path(), "installed since");
    fs::remove(world.library_file("weapon/m3/Before/v_m3_r.mdl"));

    EXPECT_TRUE(library::restore_player_set("Before"));
    EXPECT_TRUE(library::restore_weapon_set("Before"));
    EXPECT_TRUE(world.messages.empty());
    EXPECT_EQ(TestWorld::read(world.game_file("player/gign/gign.mdl")), "game gign");
    EXPECT_EQ(TestWorld::read(world.game_file("scientist.mdl")), "game scientist");
    EXPECT_EQ(TestWorld::read(world.game_file("p_xm1014.mdl")), "game p_xm1014.mdl");
    EXPECT_EQ(TestWorld::read(world.game_file("v_m3_r.mdl")), "installed since");
    EXPECT_EQ(TestWorld::read(world.program / "pbackup.txt"), "Before\r\n");
    EXPECT_TRUE(fs::exists(world.library_file("player/gign/Before/gign.mdl")));
}

TEST(RestoreSets, ARefusedRestoreTouchesNoGameFile) {
    BackupWorld world;
    world.back_up_players("Set");
    TestWorld::write(world.game_file("player/sas/sas.mdl"), "current");
    fs::remove(world.library_file("player/scientist/Set/scientist.mdl"));

    EXPECT_FALSE(library::restore_player_set(""));
    EXPECT_FALSE(library::restore_weapon_set(""));
    EXPECT_EQ(world.messages, (std::vector<std::string>{no_set, no_set}));

    world.messages.clear();
    EXPECT_FALSE(library::restore_player_set("Set"));
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_NE(world.messages[0].find("scientist.mdl"), std::string::npos);
    EXPECT_EQ(TestWorld::read(world.game_file("player/sas/sas.mdl")), "current");
}
