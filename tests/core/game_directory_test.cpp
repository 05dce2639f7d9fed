#include "library/game_directory.h"
#include "test_world.h"

#include <gtest/gtest.h>

namespace {

constexpr char sierra[] = "SOFTWARE\\Sierra OnLine\\Setup\\CSTRIKE";
constexpr char valve[] = "SOFTWARE\\Valve\\Half-Life";
constexpr std::uint32_t reg_expand_sz = 2;
using View = TestRegistry::View;

library::KeyValue read_value(const char* key, const char* name) {
    return library::GetKeyValue(platform::RegistryRoot::local_machine, key, name);
}

} // namespace

TEST(GameDirectory, TheFirstReadableEntryWins) {
    TestWorld world;
    world.registry.set_text(valve, "InstallPath", "C:\\Valve");
    EXPECT_EQ(library::GetGameDirectory(), "C:\\Valve");

    world.registry.set_text(sierra, "Directory", "C:\\Sierra");
    EXPECT_EQ(library::GetGameDirectory(), "C:\\Sierra");

    // Found, though not text: empty, and the second entry is not tried.
    world.registry.set_text(sierra, "Directory", "C:\\Expand", reg_expand_sz);
    EXPECT_EQ(library::GetGameDirectory(), "");
    EXPECT_TRUE(world.messages.empty());
}

TEST(GameDirectory, NeitherEntryGivesTheMessageEveryTime) {
    TestWorld world;
    EXPECT_EQ(library::GetGameDirectory(), "");
    EXPECT_EQ(library::GetGameDirectory(), "");
    EXPECT_EQ(world.messages, (std::vector<std::string>(2, "RegKey not found!!")));

    // An operation ends there, without a second message.
    world.messages.clear();
    EXPECT_FALSE(library::game_directory_for_operation());
    EXPECT_EQ(world.messages, std::vector<std::string>{"RegKey not found!!"});
}

TEST(GameDirectory, AnEntryThatNamesNoFolderEndsAnOperation) {
    TestWorld world;
    world.registry.set_text(sierra, "Directory", "C:\\Expand", reg_expand_sz);
    EXPECT_FALSE(library::game_directory_for_operation());
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_NE(world.messages[0].find("names no game folder"), std::string::npos);

    world.register_game();
    EXPECT_EQ(library::game_directory_for_operation(), world.game_directory());
}

TEST(GameDirectory, ValuesReadAsTheGameEntriesAre) {
    TestWorld world;
    world.registry.set_text(valve, "WithNul", "C:\\Games");
    world.registry.set_text(valve, "WithoutNul", "C:\\Games", 1, false);
    EXPECT_EQ(read_value(valve, "WithNul").text, "C:\\Games");
    EXPECT_EQ(read_value(valve, "withoutnul").text, "C:\\Games");

    // The buffer holds 1024 bytes, the terminating NUL included.
    world.registry.set_text(valve, "Fits", std::string(1023, 'x'));
    world.registry.set_text(valve, "TooLong", std::string(1024, 'x'));
    EXPECT_EQ(read_value(valve, "Fits").text, std::string(1023, 'x'));
    EXPECT_FALSE(read_value(valve, "TooLong").found);

    world.registry.set_dword(valve, "Number", 0x12345678);
    EXPECT_EQ(read_value(valve, "Number").text, "305419896");
    world.registry.set_text(valve, "Empty", "");
    EXPECT_TRUE(read_value(valve, "Empty").found);
    EXPECT_EQ(read_value(valve, "Empty").text, "");
    EXPECT_FALSE(read_value(valve, "Missing").found);
    EXPECT_FALSE(read_value("SOFTWARE\\Missing", "Missing").found);
}

TEST(GameDirectory, TheInstallersViewComesBeforeTheMachinesOwn) {
    TestWorld world;
    world.registry.set_text(valve, "InstallPath", "C:\\Native", 1, true, View::native);
    EXPECT_EQ(library::GetGameDirectory(), "C:\\Native");
    world.registry.set_text(valve, "InstallPath", "C:\\Installer", 1, true, View::wow32);
    EXPECT_EQ(library::GetGameDirectory(), "C:\\Installer");
}
