#include "core/library/library_tree.h"
#include "core/program/start_up.h"
#include "said.h"
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

std::vector<std::string> sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(LibraryTree, AFirstStartRecordsTheFolderAndBuildsTheTreeFromTheNamesOfBothLists) {
    TestWorld world;
    // Only the first 27 and 9 lines are names.
    for (const auto* list : {"weapon.txt", "player.txt"})
        TestWorld::write(world.program / list, TestWorld::read(world.program / list) + "more\r\n");
    EXPECT_TRUE(core::start_up(world.library));
    EXPECT_EQ(world.settings.read("settings", "install path"), world.program.string());
    auto players = delivered_player_types();
    players.insert(players.end(), {"hostage", "scientist"});
    EXPECT_EQ(TestWorld::names_in(world.library_file("player")), sorted(players));
    EXPECT_EQ(TestWorld::names_in(world.library_file("weapon")), sorted(delivered_weapons()));
    EXPECT_EQ(TestWorld::names_in(world.program),
              (std::vector<std::string>{"models", "player.txt", "weapon.txt"}));

    // A later start keeps the recorded folder, and an existing tree is never read or rebuilt.
    world.settings.write("settings", "install path", "elsewhere");
    fs::remove(world.library_file("weapon/ak47"));
    fs::remove(world.program / "weapon.txt");
    EXPECT_TRUE(core::start_up(world.library));
    EXPECT_EQ(world.settings.read("settings", "install path"), "elsewhere");
    EXPECT_FALSE(fs::exists(world.library_file("weapon/ak47")));
}

TEST(LibraryTree, ABadNameListCreatesNothingAndSaysWhatIsWrong) {
    const struct {
        const char* file;
        std::string content; // empty: the file is missing
        const char* says;
    } cases[] = {
        {"weapon.txt", "", "weapon.txt could not be read"},
        {"player.txt", lines(8, "p"), "player.txt in the program folder holds 8 lines"},
        {"player.txt", "one line", "holds 1 line, but Tessary needs 9."},
        {"weapon.txt", "ak47\nawp\n", "ends its lines with LF alone"},
        {"player.txt", "sas\r\n\r\n" + lines(7, "p"), "Line 2 of player.txt"},
        {"player.txt", "sas\r\nSAS\r\n" + lines(7, "p"), "repeats line 1"},
        {"weapon.txt", "\xC3\x84x\r\n\xC3\xA4x\r\n" + lines(25, "w"),
         "\"\xC3\xA4x\", repeats line 1"},
        // Every line is held to the rule for names, which the archive tests try in full.
        {"weapon.txt", lines(26, "w") + "dot.", "Line 27 of weapon.txt"},
        {"player.txt", lines(8, "p") + "COM7", "a device"},
        {"player.txt", lines(8, "p") + "hostage", "Line 9 of player.txt"},
    };
    for (const auto& [file, content, says] : cases) {
        TestWorld world;
        if (content.empty())
            fs::remove(world.program / file);
        else
            TestWorld::write(world.program / file, content);
        EXPECT_TRUE(holds(said(core::create_library_tree(world.library)), says));
        EXPECT_EQ(TestWorld::names_in(world.program).size(), content.empty() ? 1u : 2u) << says;
    }
}
