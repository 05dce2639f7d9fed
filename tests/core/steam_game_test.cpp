// The game found in Steam libraries when its registry entries are missing.
#include "core/game/game_directory.h"
#include "steam_layout.h"
#include "test_world.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace steam_layout;

TEST(SteamGame, LibrariesWithoutTheGamesFolderArePassedOver) {
    TestWorld world;
    const auto root = standard_steam_root();
    const auto stale = world.root / "Removed Drive";
    const auto no_folder = world.root / "No Folder";
    const auto other_app = world.root / "Other App";
    const auto case_differs = world.root / "Case";
    fs::create_directories(root / "steamapps"); // a library without the game
    TestWorld::write(root / "config" / "libraryfolders.vdf",
                     library_list({root, stale, no_folder, other_app, case_differs}));
    write_manifest(no_folder, "Half-Life");
    fs::create_directories(no_folder / "steamapps" / "common" / "Half-Life");
    install_game(other_app);
    write_manifest(other_app, "Half-Life", 4, 1701388800, "70");
    EXPECT_EQ(looked_up_game_directory(), "<RegKey not found!!>");

    // Installed while Tessary runs, with the manifest's folder name in another case than the
    // folder's own: the next lookup finds it.
    const auto game = install_game(case_differs, "Half-Life");
    write_manifest(case_differs, "half-LIFE");
    EXPECT_TRUE(fs::equivalent(looked_up_game_directory(), game));
}

TEST(SteamGame, AFullyInstalledCopyWinsThenTheNewest) {
    struct Case {
        std::uint64_t first_flags, first_updated, second_flags, second_updated;
        bool second_wins;
    };
    // 4 is the flag of a full install; 2 wants an update, 1024 has one under way.
    for (const Case& c :
         {Case{4, 100, 4, 200, true}, Case{4, 200, 4, 100, false}, Case{4, 100, 1026, 200, false},
          Case{2, 300, 6, 100, true}, Case{1030, 100, 4, 100, false}}) {
        TestWorld world;
        const auto root = standard_steam_root();
        const auto second = world.root / "Second";
        const auto first_game = install_game(root, "Half-Life", c.first_flags, c.first_updated);
        const auto second_game =
            install_game(second, "Half-Life", c.second_flags, c.second_updated);
        // The list in its older form, which only the root's steamapps holds.
        TestWorld::write(root / "steamapps" / "libraryfolders.vdf", library_list({second}, true));

        EXPECT_TRUE(
            fs::equivalent(looked_up_game_directory(), c.second_wins ? second_game : first_game))
            << c.first_flags << '/' << c.first_updated << " against " << c.second_flags << '/'
            << c.second_updated;
    }
}
