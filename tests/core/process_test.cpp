#include "platform/process.h"
#include "test_world.h"

#include <gtest/gtest.h>

// A program is waited for, its argument whole; one that is not there is said to be so.
TEST(Process, AProgramIsWaitedForAndAMissingOneIsTold) {
    TestWorld world;
    const auto log = world.install_recorder(world.program / "viewer with blanks.exe");
    EXPECT_TRUE(platform::run_and_wait((world.program / "viewer with blanks.exe").string() +
                                       " \"a model.mdl\""));
    EXPECT_EQ(TestWorld::read(log), "a model.mdl\n");
    EXPECT_FALSE(platform::run_and_wait(world.program.string() + "\\missing.exe \"x\""));
    EXPECT_FALSE(platform::start_program(world.program.string() + "\\missing.exe"));
}
