#include "core/preview.h"
#include "platform/process.h"
#include "test_world.h"

#include <gtest/gtest.h>

TEST(Process, APreviewHandsAQuotedPathWithBlanksToTheViewerAsOneArgument) {
    TestWorld world;
    const auto log = world.install_recorder();
    const auto model = world.root / "My Models" / "gign.mdl";
    TestWorld::write(model, "model");

    // The program folder holds a blank, and the viewer's own path is not quoted.
    EXPECT_TRUE(core::preview_source_file(system_path(model.parent_path()), "gign.mdl"));
    EXPECT_EQ(TestWorld::read(log), model.string() + "\n");

    // A program that is not there returns at once.
    platform::run_and_wait(world.program.string() + "\\missing.exe \"x\"");
    EXPECT_FALSE(platform::start_program(world.program.string() + "\\missing.exe"));
}
