// Where Steam lives on Linux: the folders of each kind of install, and Steam's links between them.
#include "core/game/game_directory.h"
#include "steam_layout.h"
#include "test_world.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace fs = std::filesystem;
using namespace steam_layout;

TEST(SteamPosix, EveryKindOfInstallIsFound) {
    struct Case {
        const char* root; // relative to the home folder
        const char* link; // a link to the root from there, when there is one
    };
    for (const Case& c : {Case{".local/share/Steam", nullptr}, Case{"data/Steam", nullptr},
                          Case{"Steam Data", ".steam/steam"}, Case{"Steam Data", ".steam/root"},
                          Case{".steam/debian-installation", nullptr},
                          Case{".var/app/com.valvesoftware.Steam/.local/share/Steam", nullptr},
                          Case{".var/app/com.valvesoftware.Steam/data/Steam", nullptr},
                          Case{"snap/steam/common/.local/share/Steam", nullptr}}) {
        TestWorld world;
        const auto home = world.root / "home";
        // Unless the case is the folder there, Steam's place under $XDG_DATA_HOME is taken by
        // a link that points at itself.
        if (fs::path(c.root) != "data/Steam") {
            fs::create_directories(home / "data");
            fs::create_symlink(home / "data/Steam", home / "data/Steam");
        }
        if (fs::path(c.root) == ".local/share/Steam")
            unsetenv("XDG_DATA_HOME");
        if (c.link) {
            fs::create_directories((home / c.link).parent_path());
            fs::create_directory_symlink(home / c.root, home / c.link);
        }
        const auto game = install_game(home / c.root);

        const auto found = looked_up_game_directory();
        EXPECT_TRUE(!found.empty() && fs::equivalent(found, game)) << c.root << ": " << found;
    }
}

TEST(SteamPosix, AFlatpakListsItsOwnRootAsTheSandboxSeesIt) {
    TestWorld world;
    const auto root = world.root / "home/.var/app/com.valvesoftware.Steam/.local/share/Steam";
    const auto disk = world.root / "mnt/games/SteamLibrary";
    fs::create_directories(root / "steamapps");
    const auto game = install_game(disk);
    TestWorld::write(root / "config/libraryfolders.vdf",
                     library_list({"/home/tessary-test-user/.local/share/Steam", disk}));
    // A native install, looked at first, lists the Flatpak's root as a library of its own.
    TestWorld::write(standard_steam_root() / "steamapps/libraryfolders.vdf",
                     library_list({root}, true));
    // A link loop where the native install's links would be.
    fs::create_directories(world.root / "home/.steam");
    fs::create_symlink("root", world.root / "home/.steam/steam");
    fs::create_symlink("steam", world.root / "home/.steam/root");

    EXPECT_TRUE(fs::equivalent(looked_up_game_directory(), game));
}
