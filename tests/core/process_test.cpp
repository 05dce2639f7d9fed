#include "platform/process.h"
#include "test_world.h"

#include <gtest/gtest.h>

// A program that is not there is said to be so. One that is, with blanks in its path and its
// argument's, is waited for as the previews run the model viewer.
TEST(Process, AMissingProgramIsTold) {
    TestWorld world;
    EXPECT_FALSE(platform::run_and_wait(world.program.string() + "\\missing.exe \"x\""));
    EXPECT_FALSE(platform::start_program(world.program.string() + "\\missing.exe"));
}
