#include "library/set_lists.h"
#include "platform/file_system.h"
#include "test_world.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;
using library::ModelKind;

TEST(TextFiles, LinesEndAtCrLfOrALoneCrButNeverAtALoneLf) {
    const auto text = "one\r\ntwo\rthree\nstill three\r\n\r\n last ";
    EXPECT_EQ(platform::split_lines(text, 10),
              (Lines{"one", "two", "three\nstill three", "", " last "}));
    EXPECT_EQ(platform::split_lines(text, 2), (Lines{"one", "two"}));
    EXPECT_TRUE(platform::split_lines("", 10).empty());
}

TEST(SetLists, NamesAreAppendedInOrderWithCrLfAndReadBack) {
    TestWorld world;
    EXPECT_TRUE(library::read_set_names(ModelKind::weapon)->empty()); // no list yet: no names

    EXPECT_TRUE(library::append_set_name(ModelKind::weapon, "A"));
    EXPECT_TRUE(library::append_set_name(ModelKind::weapon, "B"));
    EXPECT_TRUE(library::append_set_name(ModelKind::player, " spaced"));
    EXPECT_EQ(TestWorld::read(world.program / "wbackup.txt"), "A\r\nB\r\n");
    EXPECT_EQ(*library::read_set_names(ModelKind::weapon), (Lines{"A", "B"}));
    EXPECT_EQ(*library::read_set_names(ModelKind::player), (Lines{" spaced"}));
}
