#include "core/game/game_directory.h"
#include "steam_layout.h"
#include "test_world.h"

#include <gtest/gtest.h>

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
    const auto steam_game = steam_layout::install_game(standard_steam_root());
    EXPECT_TRUE(std::filesystem::equivalent(looked_up_game_directory(), steam_game));
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
