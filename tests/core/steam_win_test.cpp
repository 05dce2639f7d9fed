// Where Steam lives on Windows: the user's SteamPath, then the machine's InstallPath.
#include "core/game/game_directory.h"
#include "steam_layout.h"
#include "test_world.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

namespace fs = std::filesystem;
using namespace steam_layout;

TEST(SteamWindows, TheUsersSteamPathComesBeforeTheMachinesInstallPath) {
    TestWorld world;
    const auto user_root = world.root / "User Steam";
    const auto machine_root = world.root / "Machine Steam";
    const auto user_game = install_game(user_root);
    const auto machine_game = install_game(machine_root);
    world.registry.set_text("SOFTWARE\\Valve\\Steam", "InstallPath", machine_root.string());
    EXPECT_TRUE(fs::equivalent(looked_up_game_directory(), machine_game));

    // Steam writes its own path in forward slashes, and has been seen to write it in lower case.
    std::string steam_path = user_root.string();
    std::replace(steam_path.begin(), steam_path.end(), '\\', '/');
    std::transform(steam_path.begin(), steam_path.end(), steam_path.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    world.registry.set_user_text("Software\\Valve\\Steam", "SteamPath", steam_path);
    EXPECT_TRUE(fs::equivalent(looked_up_game_directory(), user_game));
}
