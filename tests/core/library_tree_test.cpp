#include "library/name_lists.h"
#include "test_world.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

std::string lines(int count, const std::string& stem) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += stem + std::to_string(i) + "\r\n";
    return text;
}

} // namespace

TEST(LibraryTree, IsBuiltFromBothNameListsPlusHostageAndScientist) {
    TestWorld world;
    world.make_library();
    EXPECT_TRUE(world.messages.empty());

    const auto sorted = [](std::vector<std::string> names) {
        std::sort(names.begin(), names.end());
        return names;
    };
    auto players = delivered_player_types();
    players.insert(players.end(), {"hostage", "scientist"});
    EXPECT_EQ(TestWorld::names_in(world.library_file("player")), sorted(players));
    EXPECT_EQ(TestWorld::names_in(world.library_file("weapon")), sorted(delivered_weapons()));
}

TEST(LibraryTree, OnlyTheFirst27And9LinesAreNames) {
    TestWorld world;
    TestWorld::write(world.program / "weapon.txt", lines(40, "w"));
    TestWorld::write(world.program / "player.txt", lines(11, "p") + "extra");
    EXPECT_EQ(library::load_weapon_names(library::weapon_names).count, 27u);
    EXPECT_EQ(library::weapon_names.back(), "w27");
    EXPECT_TRUE(library::load_player_types().complete());
    EXPECT_EQ(library::player_types.back(), "p9");

    TestWorld::write(world.program / "weapon.txt", lines(5, "w"));
    const auto short_load = library::load_weapon_names(library::weapon_names);
    EXPECT_EQ(short_load.count, 5u);
    EXPECT_EQ(library::weapon_names[5], ""); // a load overwrites every entry
    EXPECT_NE(short_load.problem.find("weapon.txt"), std::string::npos);
}

TEST(LibraryTree, ABadNameListCreatesNothingAndNamesTheFileAndLine) {
    const struct {
        const char* file;
        std::string content; // empty: the file is missing
        const char* said;
    } cases[] = {
        {"weapon.txt", "", "weapon.txt could not be read"},
        {"player.txt", lines(8, "p"), "player.txt in the program folder holds 8 lines"},
        {"player.txt", "sas\r\n\r\n" + lines(7, "p"), "Line 2 of player.txt"},
        {"player.txt", "sas\r\nSAS\r\n" + lines(7, "p"), "repeats line 1"},
        {"player.txt", "a/b\r\n" + lines(8, "p"), "Line 1 of player.txt"},
        {"weapon.txt", "..\r\n" + lines(26, "w"), "Line 1 of weapon.txt"},
        {"weapon.txt", lines(26, "w") + "dot.", "Line 27 of weapon.txt"},
        {"player.txt", lines(8, "p") + "hostage", "Line 9 of player.txt"},
    };
    for (const auto& [file, content, said] : cases) {
        TestWorld world;
        if (content.empty())
            fs::remove(world.program / file);
        else
            TestWorld::write(world.program / file, content);
        world.make_library();
        EXPECT_FALSE(fs::exists(world.program / "models")) << said;
        ASSERT_EQ(world.messages.size(), 1u) << said;
        EXPECT_NE(world.messages[0].find(said), std::string::npos) << world.messages[0];
    }
}
