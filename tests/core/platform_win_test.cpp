// What only Windows has: attributes that hide a file or make it read-only, the console, and
// where Steam lives: the user's SteamPath, then the machine's InstallPath.
#include "core/changes/model_install.h"
#include "core/game/game_directory.h"
#include "platform/console.h"
#include "platform/file_system.h"
#include "said.h"
#include "test_world.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include <windows.h>

namespace fs = std::filesystem;
using core::ModelKind;
using namespace steam_layout;

TEST(WindowsPlatform, SystemFilesAreNeitherModelsNorOrdinaryFiles) {
    TestWorld world;
    const auto folder = world.root / "type";
    TestWorld::write(folder / "desktop.ini", "system");
    SetFileAttributesA((folder / "desktop.ini").string().c_str(), FILE_ATTRIBUTE_SYSTEM);
    const auto entries = platform::list_folder(system_path(folder));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_TRUE(entries[0].is_system);
    EXPECT_FALSE(platform::is_ordinary_file(system_path(folder / "desktop.ini")));
}

TEST(WindowsPlatform, AReadOnlyGameFileIsReplacedAndCopiesAreWritable) {
    FullWorld world;
    const auto model = world.library_file("player/gign/Blue/gign.mdl");
    TestWorld::write(model, "blue");
    TestWorld::write(world.game_file("player/gign/gign.mdl"), "game");
    // Both read-only, the model as imported from read-only media.
    for (const auto& file : {model, world.game_file("player/gign/gign.mdl")})
        SetFileAttributesA(file.string().c_str(), FILE_ATTRIBUTE_READONLY);

    EXPECT_TRUE(
        core::install_model(world.library, {ModelKind::player, "gign", "Blue"}, {"gign.mdl"}));
    EXPECT_EQ(TestWorld::read(world.game_file("player/gign/gign.mdl")), "blue");
    EXPECT_EQ(TestWorld::names_in(world.game_file("player/gign")),
              std::vector<std::string>{"gign.mdl"});
    const DWORD attributes =
        GetFileAttributesA(world.game_file("player/gign/gign.mdl").string().c_str());
    EXPECT_FALSE(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
}

// A console is held where Windows can make one without a window, and none elsewhere (Wine among
// them): never one whose window would show.
TEST(WindowsPlatform, TheConsoleIsHeldOnlyWithoutAWindow) {
    FreeConsole(); // the one the test runs in: Tessary itself starts without one
    const bool windowless =
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "AllocConsoleWithOptions") != nullptr;
    const auto console = platform::set_up_console();
    ASSERT_TRUE(console) << console.messages().at(0);
    EXPECT_EQ(GetConsoleCP() != 0, windowless);
    const HWND window = GetConsoleWindow();
    EXPECT_TRUE(!window || !IsWindowVisible(window));
    platform::release_console();
    EXPECT_EQ(GetConsoleCP(), 0u);
}

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
