// The game directory: from the registry entries its installers write, else from the user's Steam
// libraries.
#include "core/game/game_directory.h"
#include "steam_layout.h"
#include "test_world.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace steam_layout;

namespace {

constexpr char sierra[] = "SOFTWARE\\Sierra OnLine\\Setup\\CSTRIKE";
constexpr char valve[] = "SOFTWARE\\Valve\\Half-Life";
constexpr std::uint32_t reg_expand_sz = 2;
using View = TestRegistry::View;

std::optional<std::string> read_value(const char* key, const char* name) {
    return core::read_registry_text(platform::RegistryRoot::local_machine, key, name);
}

} // namespace

TEST(GameDirectory, TheFirstReadableEntryWinsAndAChangeIsSeenAtOnce) {
    TestWorld world;
    EXPECT_EQ(looked_up_game_directory(), "<RegKey not found!!>");
    // A game in a Steam library comes after every entry.
    const auto steam_game = install_game(standard_steam_root());
    EXPECT_TRUE(fs::equivalent(looked_up_game_directory(), steam_game));
    // The 32-bit installers' view of an entry comes before the machine's own.
    world.registry.set_text(valve, "InstallPath", "C:\\Native", 1, true, View::native);
    EXPECT_EQ(looked_up_game_directory(), "C:\\Native");
    world.registry.set_text(valve, "InstallPath", "C:\\Valve");
    EXPECT_EQ(looked_up_game_directory(), "C:\\Valve");
    world.registry.set_text(sierra, "Directory", "C:\\Sierra");
    EXPECT_EQ(looked_up_game_directory(), "C:\\Sierra");

    // Found, though not text: empty, and the second entry is not tried; an operation ends there.
    world.registry.set_text(sierra, "Directory", "C:\\Expand", reg_expand_sz);
    EXPECT_EQ(looked_up_game_directory(), "");
    const auto for_operation = core::game_directory_for_operation();
    ASSERT_FALSE(for_operation);
    EXPECT_NE(for_operation.messages().at(0).find("names no game folder"), std::string::npos);
}

TEST(GameDirectory, ValuesReadAsTheGameEntriesAre) {
    TestWorld world;
    world.registry.set_text(valve, "WithNul", "C:\\Games");
    world.registry.set_text(valve, "WithoutNul", "C:\\Games", 1, false);
    EXPECT_EQ(read_value(valve, "WithNul"), "C:\\Games");
    EXPECT_EQ(read_value(valve, "withoutnul"), "C:\\Games");

    // The buffer holds 1024 bytes, the terminating NUL included.
    world.registry.set_text(valve, "Fits", std::string(1023, 'x'));
    world.registry.set_text(valve, "TooLong", std::string(1024, 'x'));
    EXPECT_EQ(read_value(valve, "Fits"), std::string(1023, 'x'));
    EXPECT_FALSE(read_value(valve, "TooLong"));

    world.registry.set_dword(valve, "Number", 0x12345678);
    EXPECT_EQ(read_value(valve, "Number"), "305419896");
    world.registry.set_text(valve, "Empty", "");
    EXPECT_EQ(read_value(valve, "Empty"), "");
    EXPECT_FALSE(read_value(valve, "Missing"));
    EXPECT_FALSE(read_value("SOFTWARE\\Missing", "Missing"));
}

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
