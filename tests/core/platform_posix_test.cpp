// How Linux stands in for the home platform: drive letters in the Wine prefix, its registry
// file, the home platform's command lines, and Windows viewers run through Wine.
#include "core/game/game_directory.h"
#include "platform/command_line.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "test_world.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace fs = std::filesystem;

namespace {

using Arguments = std::vector<std::string>;

// Drive C: of the world's Wine prefix, as a link to the folder given back.
fs::path make_drive_c(const TestWorld& world) {
    fs::create_directories(world.root / "prefix" / "dosdevices");
    fs::create_directory_symlink(world.root / "drive_c", world.root / "prefix/dosdevices/c:");
    return world.root / "drive_c";
}

} // namespace

TEST(PosixPlatform, DriveLettersLeadIntoTheWinePrefixWithoutRegardToCase) {
    TestWorld world;
    TestWorld::write(make_drive_c(world) / "Games" / "Half Life" / "hl.exe", "game");

    EXPECT_EQ(platform::native_path(platform::Path("c:\\GAMES\\half life\\HL.EXE")),
              (world.root / "prefix/dosdevices/c:/Games/Half Life/hl.exe").string());
    EXPECT_TRUE(platform::is_ordinary_file(platform::Path("C:\\games\\Half Life\\hl.exe")));
    EXPECT_EQ(platform::native_path(platform::Path("/already/native\\mixed")),
              "/already/native/mixed");

    // Case is folded in every alphabet: GÄME\МОД.MDL names gäme\мод.mdl.
    TestWorld::write(world.root / "g\xC3\xA4me" / "\xD0\xBC\xD0\xBE\xD0\xB4.mdl", "unicode");
    EXPECT_TRUE(platform::is_ordinary_file(system_path(world.root) / "G\xC3\x84ME" /
                                           "\xD0\x9C\xD0\x9E\xD0\x94.MDL"));
}

TEST(PosixPlatform, TheWineWrittenRegistryIsReadAndAChangeIsSeenAtOnce) {
    TestWorld world;
    const auto registry = world.root / "prefix" / "system.reg";
    fs::copy_file(fs::path(TESSARY_FIXTURES_DIR) / "wine-system.reg", registry,
                  fs::copy_options::overwrite_existing);
    // The game's first entry there is an expandable string: found, but no text.
    EXPECT_EQ(core::game_directory()->text(), "");

    // The same size and second, another content: still seen.
    auto text = TestWorld::read(registry);
    text.replace(text.find("\"Directory\""), 11, "\"Elsewhere\"");
    const auto modified = fs::last_write_time(registry);
    TestWorld::write(registry, text);
    fs::last_write_time(registry, modified);
    EXPECT_EQ(core::game_directory()->text(), "C:\\Games\\Half Life");
}

TEST(PosixPlatform, CommandLinesSplitAsOnTheHomePlatform) {
    const auto exists = [](const std::string& path) {
        return path == "C:\\Program Files\\Tessary\\mdl.exe" || path == "C:\\tools\\view.exe";
    };
    auto command = platform::split_command_line(
        "C:\\Program Files\\Tessary\\mdl.exe \"D:\\My Models\\gign.mdl\"", exists);
    EXPECT_EQ(command.program, "C:\\Program Files\\Tessary\\mdl.exe");
    EXPECT_EQ(command.arguments, Arguments{"D:\\My Models\\gign.mdl"});

    command =
        platform::split_command_line("C:\\tools\\view a\\\\\\\"b \"c \"\"d\"\" e\" f\\g", exists);
    EXPECT_EQ(command.program, "C:\\tools\\view.exe");
    EXPECT_EQ(command.arguments, (Arguments{"a\\\"b", "c \"d\" e", "f\\g"}));

    command = platform::split_command_line("\"C:\\No Such\\x.exe\" one", exists);
    EXPECT_EQ(command.program, "C:\\No Such\\x.exe");
    EXPECT_EQ(command.arguments, Arguments{"one"});
    EXPECT_EQ(platform::split_command_line("missing program", exists).program, "missing");
}

TEST(PosixPlatform, AWindowsViewerRunsThroughWineWithWindowsPaths) {
    TestWorld world;
    TestWorld::write(make_drive_c(world) / "Models" / "blue one.mdl", "model");
    TestWorld::write(world.program / "mdl.exe", "MZ, as every Windows program begins");
    const auto log = world.install_recorder(world.root / "bin" / "wine");
    set_environment("PATH", (world.root / "bin").string() + ":" + std::getenv("PATH"));

    platform::run_and_wait(world.program.string() + "\\mdl.exe \"C:\\models\\Blue One.mdl\"");
    EXPECT_EQ(TestWorld::read(log),
              (world.program / "mdl.exe").string() + "\nC:\\Models\\blue one.mdl\n");
}
