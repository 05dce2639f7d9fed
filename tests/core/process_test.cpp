#include "platform/process.h"
#include "test_world.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(Process, RunAndWaitHandsAQuotedPathWithBlanksOverAsOneArgument) {
    TestWorld world;
    const auto log = world.install_recording_viewer();
    const auto model = world.root / "My Models" / "gign.mdl";
    TestWorld::write(model, "model");

    // The program folder holds a blank, and the viewer's own path is not quoted.
    platform::RunAndWait(world.program_folder() + "\\mdl.exe \"" + world.root.string() +
                         "\\My Models\\gign.mdl\"");
    EXPECT_EQ(TestWorld::read(log), model.string() + "\n");

    // A program that is not there returns at once, and reports nothing.
    platform::RunAndWait(world.program_folder() + "\\missing.exe \"x\"");
    EXPECT_FALSE(platform::start_program(world.program_folder() + "\\missing.exe"));
    EXPECT_TRUE(world.messages.empty());
}
