// What only Windows has: attributes that hide a file from the lists, and files held open.
#include "library/replace_game_file.h"
#include "platform/file_system.h"
#include "platform/file_system_detail.h"
#include "test_world.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace fs = std::filesystem;

TEST(WindowsPlatform, SystemFilesAreNeitherModelsNorOrdinaryFiles) {
    TestWorld world;
    const auto folder = world.root / "type";
    TestWorld::write(folder / "desktop.ini", "system");
    SetFileAttributesA((folder / "desktop.ini").string().c_str(), FILE_ATTRIBUTE_SYSTEM);
    const auto entries = platform::list_folder(folder.string());
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_TRUE(entries[0].is_system);
    EXPECT_FALSE(platform::is_ordinary_file((folder / "desktop.ini").string()));
    EXPECT_FALSE(platform::first_ordinary_file(folder.string()));
}

TEST(WindowsPlatform, ACopyThatFailsPartWayKeepsTheGameFile) {
    TestWorld world;
    TestWorld::write(world.root / "library.mdl", std::string(64 * 1024, 'L'));
    TestWorld::write(world.game_file("gign.mdl"), "original");

    // The disk fills up during the copy.
    platform::detail::fail_next_copy_part_way({ERROR_DISK_FULL, std::system_category()});
    const auto result = library::replace_game_file((world.root / "library.mdl").string(),
                                                   world.game_file("gign.mdl").string());

    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.message().find("gign.mdl"), std::string::npos) << result.message();
    EXPECT_TRUE(TestWorld::read(world.game_file("gign.mdl")) == "original");
    EXPECT_EQ(std::distance(fs::directory_iterator(world.game_file("")), fs::directory_iterator()),
              1);
}
