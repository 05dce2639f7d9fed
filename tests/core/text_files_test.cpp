#include "library/set_lists.h"
#include "platform/file_system.h"
#include "test_world.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

TEST(TextFiles, LinesEndAtCrLfOrALoneCrButNeverAtALoneLf) {
    TestWorld world;
    const auto file = world.root / "list.txt";
    TestWorld::write(file, "one\r\ntwo\rthree\nstill three\r\n\r\n last ");
    const auto read = platform::read_lines(file.string());
    EXPECT_FALSE(read.error);
    EXPECT_EQ(read.lines, (Lines{"one", "two", "three\nstill three", "", " last "}));
    EXPECT_EQ(platform::read_lines(file.string(), 2).lines, (Lines{"one", "two"}));

    TestWorld::write(file, "");
    EXPECT_TRUE(platform::read_lines(file.string()).lines.empty());
    EXPECT_TRUE(platform::read_lines((world.root / "missing.txt").string()).error);
}

TEST(SetLists, NamesAreAppendedInOrderWithCrLfAndReadBack) {
    TestWorld world;
    const auto list = world.program_folder() + "\\wbackup.txt";
    EXPECT_TRUE(library::read_set_names(list).empty()); // no list yet: no names, no message

    EXPECT_TRUE(library::append_set_name(list, "A").ok());
    EXPECT_TRUE(library::append_set_name(list, "B").ok());
    EXPECT_EQ(TestWorld::read(world.program / "wbackup.txt"), "A\r\nB\r\n");

    EXPECT_TRUE(library::append_set_name(list, " spaced").ok());
    EXPECT_EQ(library::read_set_names(list), (Lines{"A", "B", " spaced"}));
    EXPECT_TRUE(world.messages.empty());
}
