#include "platform/process.h"
#include "test_world.h"

#include <gtest/gtest.h>

// A preview or system information whose program is not there must not hold the window up.
TEST(Process, AProgramThatIsNotThereReturnsAtOnce) {
    TestWorld world;
    platform::run_and_wait(world.program.string() + "\\missing.exe \"x\"");
    EXPECT_FALSE(platform::start_program(world.program.string() + "\\missing.exe"));
}
