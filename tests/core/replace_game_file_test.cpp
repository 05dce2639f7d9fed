#include "library/replace_game_file.h"
#include "test_world.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(ReplaceGameFile, TheTargetBecomesACopyOfTheSourceAndNothingElseIsLeft) {
    TestWorld world;
    TestWorld::write(world.root / "library" / "gign.mdl", std::string(100000, 'L'));
    TestWorld::write(world.game_file("gign.mdl"), "game");
    EXPECT_TRUE(library::replace_game_file((world.root / "library" / "gign.mdl").string(),
                                           world.game_file("gign.mdl").string())
                    .ok());
    EXPECT_EQ(TestWorld::read(world.game_file("gign.mdl")), std::string(100000, 'L'));
    EXPECT_EQ(TestWorld::names_in(world.game_file("")), std::vector<std::string>{"gign.mdl"});

    // A game file that is not there yet is simply created.
    EXPECT_TRUE(library::replace_game_file((world.root / "library" / "gign.mdl").string(),
                                           world.game_file("new.mdl").string())
                    .ok());
    EXPECT_EQ(TestWorld::read(world.game_file("new.mdl")), std::string(100000, 'L'));
}

TEST(ReplaceGameFile, AMissingSourceLeavesTheGameFileAlone) {
    TestWorld world;
    TestWorld::write(world.game_file("gign.mdl"), "game");
    fs::create_directories(world.root / "library" / "folder.mdl");
    for (const auto* source : {"missing.mdl", "folder.mdl"}) {
        const auto result = library::replace_game_file((world.root / "library" / source).string(),
                                                       world.game_file("gign.mdl").string());
        EXPECT_FALSE(result.ok());
        EXPECT_NE(result.message().find("gign.mdl"), std::string::npos) << result.message();
        EXPECT_EQ(TestWorld::read(world.game_file("gign.mdl")), "game");
    }

    TestWorld::write(world.root / "library" / "gign.mdl", "library");
    EXPECT_FALSE(library::replace_game_file((world.root / "library" / "gign.mdl").string(),
                                            (world.game / "no folder" / "gign.mdl").string())
                     .ok());
}
