// How Linux stands in for the home platform: drive letters in the Wine prefix, its registry
// file, the home platform's command lines, and a copy that fails part-way.
#include "library/game_directory.h"
#include "library/replace_game_file.h"
#include "platform/command_line.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "test_world.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {

using Arguments = std::vector<std::string>;

// A viewer that writes each argument it is given on a line of its own.
void write_recording_program(const fs::path& program, const fs::path& log) {
    TestWorld::write(program, "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" +
                                  log.string() + "'\n");
    fs::permissions(program, fs::perms::owner_all, fs::perm_options::add);
}

} // namespace

TEST(PosixPlatform, DriveLettersLeadIntoTheWinePrefixWithoutRegardToCase) {
    TestWorld world;
    fs::create_directories(world.root / "prefix" / "dosdevices");
    fs::create_directory_symlink(world.root / "drive_c", world.root / "prefix/dosdevices/c:");
    TestWorld::write(world.root / "drive_c" / "Games" / "Half Life" / "hl.exe", "game");

    EXPECT_EQ(platform::native_path("c:\\GAMES\\half life\\HL.EXE"),
              (world.root / "prefix/dosdevices/c:/Games/Half Life/hl.exe").string());
    EXPECT_TRUE(platform::is_ordinary_file("C:\\games\\Half Life\\hl.exe"));
    EXPECT_EQ(platform::native_path("/already/native\\mixed"), "/already/native/mixed");
}

TEST(PosixPlatform, TheWineWrittenRegistryIsRead) {
    TestWorld world;
    fs::copy_file(fs::path(TESSARY_FIXTURES_DIR) / "wine-system.reg",
                  world.root / "prefix" / "system.reg", fs::copy_options::overwrite_existing);
    // The game's first entry there is an expandable string: found, but no text.
    EXPECT_EQ(library::GetGameDirectory(), "");
    EXPECT_TRUE(world.messages.empty());
    EXPECT_EQ(library::GetKeyValue(platform::RegistryRoot::local_machine,
                                   "SOFTWARE\\Tessary Fixture", "number")
                  .text,
              "305419896");

    TestWorld::write(world.root / "prefix" / "system.reg", "not a registry\n[Software\\\\Valve]");
    EXPECT_EQ(library::GetGameDirectory(), "");
    EXPECT_EQ(world.messages, std::vector<std::string>{"RegKey not found!!"});
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
    fs::create_directories(world.root / "prefix" / "dosdevices");
    fs::create_directory_symlink(world.root / "drive_c", world.root / "prefix/dosdevices/c:");
    TestWorld::write(world.root / "drive_c" / "Models" / "blue one.mdl", "model");
    TestWorld::write(world.program / "mdl.exe", "MZ, as every Windows program begins");
    const auto log = world.root / "wine.log";
    write_recording_program(world.root / "bin" / "wine", log);
    set_environment("PATH", (world.root / "bin").string() + ":" + std::getenv("PATH"));

    platform::RunAndWait(world.program_folder() + "\\mdl.exe \"C:\\models\\Blue One.mdl\"");
    EXPECT_EQ(TestWorld::read(log),
              (world.program / "mdl.exe").string() + "\nC:\\Models\\blue one.mdl\n");
}

TEST(PosixPlatform, ACopyThatFailsPartWayKeepsTheGameFile) {
    TestWorld world;
    TestWorld::write(world.root / "library.mdl", std::string(64 * 1024, 'L'));
    TestWorld::write(world.game_file("gign.mdl"), "original");

    // Files may not grow beyond 4 KB for a moment, so the copy fails after its first bytes.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    const auto result = library::replace_game_file((world.root / "library.mdl").string(),
                                                   world.game_file("gign.mdl").string());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, old_handler);

    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.message().find("gign.mdl"), std::string::npos) << result.message();
    EXPECT_EQ(TestWorld::read(world.game_file("gign.mdl")), "original");
    EXPECT_EQ(std::distance(fs::directory_iterator(world.game_file("")), fs::directory_iterator()),
              1);
}
