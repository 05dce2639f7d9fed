// How Linux stands in for the home platform: its registry file as Wine writes it, the home
// platform's command lines, Windows viewers run through Wine on the drives of its prefix, where
// Steam lives (the folders of each kind of install, and Steam's links between them), and the code
// page of names in archives.
#include "archive/entry_names.h"
#include "core/changes/model_install.h"
#include "core/game/game_directory.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/wine_registry.h"
#include "said.h"
#include "test_world.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <string_view>
#include <thread>

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace fs = std::filesystem;
using namespace std::string_literals;
using namespace std::string_view_literals;
using namespace steam_layout;
using platform::look_up_wine_registry;

namespace {

// The value's type and bytes (embedded NULs included), or "none".
std::string found(std::string_view text, const std::string& key, std::string_view name) {
    const auto lookup = look_up_wine_registry(text, std::vector<std::string>{key}, name);
    const auto& value = lookup.values[0];
    if (!value)
        return "none";
    return std::to_string(value->type) + ":" + std::string(value->data.begin(), value->data.end());
}

} // namespace

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

TEST(PosixPlatform, AWindowsViewerRunsThroughWineWithWindowsPaths) {
    TestWorld world;
    // Drive C: of the prefix, and a model on it whose name the command line spells otherwise.
    fs::create_directories(world.root / "prefix" / "dosdevices");
    fs::create_directory_symlink(world.root / "drive_c", world.root / "prefix/dosdevices/c:");
    TestWorld::write(world.root / "drive_c" / "Models" / "blue one.mdl", "model");
    TestWorld::write(world.program / "mdl.exe", "MZ, as every Windows program begins");
    const auto log = world.install_recorder(world.root / "bin" / "wine");
    set_environment("PATH", (world.root / "bin").string() + ":" + std::getenv("PATH"));

    platform::run_and_wait(
        {system_path(world.program / "mdl.exe"), {platform::Path("C:\\models\\Blue One.mdl")}});
    EXPECT_EQ(TestWorld::read(log),
              (world.program / "mdl.exe").string() + "\nC:\\Models\\blue one.mdl\n");
}

// The values that Wine wrote, of the kinds that the texts of the tests below do not hold.
TEST(WineRegistry, ReadsEveryKindOfValueWineWrote) {
    const auto text = TestWorld::read(TESSARY_FIXTURES_DIR "/wine-system.reg");
    const std::string game = "Software\\Sierra OnLine\\Setup\\CSTRIKE";
    const auto lookup = look_up_wine_registry(text, std::vector{game}, "Directory");
    EXPECT_TRUE(lookup.readable && lookup.win64);
    EXPECT_EQ(found(text, game, "Directory"), "2:C:\\Sierra\\\xC3\x9Cnicode\0"sv);
    const std::pair<const char*, std::string_view> values[] = {
        {"Blob", "3:\x00\xff\x10"sv},
        {"Empty", "1:\0"sv},
        {"Quote", "1:say \"hi\" \\\\ back\0"sv},
        {"Missing", "none"}};
    for (const auto& [name, value] : values)
        EXPECT_EQ(found(text, "Software\\Tessary Fixture", name), value) << name;
    EXPECT_EQ(found(text, "Software\\Tessary Fixture", "Long"),
              "1:" + std::string(1100, 'x') + '\0');
}

TEST(WineRegistry, FindsKeysHoweverTheyAreWritten) {
    const std::string text = "WINE REGISTRY Version 2\n"
                             "[First]\n\"V\"=\"first\"\n"
                             "[Caf\\xe9\\\\Men\\374] 1\n\"V\"=\"escaped key\"\n"
                             "[Last\\\\Later\\\\Deeper]\n\"V\"=\"child\"\n"
                             "[Last\\\\Later] 1796483848\n@=\"default\"\n\"V\"=\"later\"\n"
                             "[First]\n\"V\"=\"first again\"\n";
    EXPECT_EQ(found(text, "last\\later", "v"), "1:later\0"sv);
    EXPECT_EQ(found(text, "CAF\xC3\x89\\mEN\xC3\x9C", "v"), "1:escaped key\0"sv);
    EXPECT_EQ(found(text, "first", "v"), "1:first again\0"sv) << "the last one wins";
    EXPECT_EQ(found(text, "Last\\Later", ""), "1:default\0"sv);
    EXPECT_EQ(found(text, "Last", "V"), "none") << "a parent key is not the key";
}

TEST(WineRegistry, DecodesEscapesAndHexData) {
    const std::string text =
        "WINE REGISTRY Version 2\r\n[K]\r\n"
        "\"C\"=\"\\a\\e\\n\\t\\101\\0102\\x41\\x00e9\\xd83d\\xde00\xC3\xA9\"\r\n"
        "\"Na\\x006de\"=str(2):\"%PATH%\"\r\n"
        "\"Multi\"=str(7):\"a\\0\\0b\\0\"\r\n"
        "\"Sz\"=hex(1):61,00,62,00\r\n"
        "\"Odd\"=hex(1):61,00,62\r\n"
        "\"Long\"=hex:01,02,\\\r\n  03,04,\\\r\n  05\r\n"
        "\"After\"=dword:0000002a\r\n";
    const std::pair<const char*, std::string_view> values[] = {
        {"C", "1:\a\x1b\n\tA\b2A\xC3\xA9\xF0\x9F\x98\x80\xC3\xA9\0"sv},
        {"NAME", "2:%PATH%\0"sv},
        {"Multi", "7:a\0\0b\0\0"sv},
        {"Sz", "1:ab"sv},  // no NUL is added
        {"Odd", "1:ab"sv}, // the odd byte is kept
        {"Long", "3:\1\2\3\4\5"sv},
        {"After", "4:\x2a\0\0\0"sv}};
    for (const auto& [name, value] : values)
        EXPECT_EQ(found(text, "K", name), value) << name;
}

TEST(WineRegistry, IgnoresMalformedLinesWithoutGuessing) {
    const std::string text = "WINE REGISTRY Version 2\n"
                             "\"Orphan\"=\"before any key\"\n"
                             "[K]\n"
                             "\"Good1\"=\"one\"\n"
                             "\"Unterminated\"=\"abc\n"
                             "\"BadEscape\"=\"a\\qb\"\n"
                             "\"BadHex\"=hex:01,0g,02\n"
                             "\"ShortDword\"=dword:1234\n"
                             "\"Trailing\"=\"abc\" junk\n"
                             "\"Broken\"=hex:01,\\\n  zz\n"
                             "\"Good2\"=\"two\"\n"
                             "\"CutOff\"=hex:01,\\\n"
                             "[L]\n"
                             "\"Good3\"=\"three\"\n"
                             "garbage line\n"
                             "[Unclosed\\\\Key\n"
                             "\"Good1\"=\"must not land in K\"\n";
    for (const char* name : {"Orphan", "Unterminated", "BadEscape", "BadHex", "ShortDword",
                             "Trailing", "Broken", "CutOff"})
        EXPECT_EQ(found(text, "K", name) + found(text, "L", name), "nonenone") << name;
    EXPECT_EQ(found(text, "K", "Good1"), "1:one\0"sv);
    EXPECT_EQ(found(text, "K", "Good2"), "1:two\0"sv);
    EXPECT_EQ(found(text, "L", "Good3"), "1:three\0"sv)
        << "a key line that cuts a continuation short is still a key";
}

TEST(SteamPosix, EveryKindOfInstallIsFound) {
    // Each root below the home folder, and a link to it from there, when there is one.
    for (const auto& [root, link] :
         {std::pair<const char*, const char*>{".local/share/Steam", nullptr},
          {"data/Steam", nullptr},
          {"Steam Data", ".steam/steam"},
          {"Steam Data", ".steam/root"},
          {".steam/debian-installation", nullptr},
          {".var/app/com.valvesoftware.Steam/.local/share/Steam", nullptr},
          {".var/app/com.valvesoftware.Steam/data/Steam", nullptr},
          {"snap/steam/common/.local/share/Steam", nullptr}}) {
        TestWorld world;
        const auto home = world.root / "home";
        // Unless the case is the folder there, Steam's place under $XDG_DATA_HOME is taken by
        // a link that points at itself.
        if (fs::path(root) != "data/Steam") {
            fs::create_directories(home / "data");
            fs::create_symlink(home / "data/Steam", home / "data/Steam");
        }
        if (fs::path(root) == ".local/share/Steam")
            unsetenv("XDG_DATA_HOME");
        if (link) {
            fs::create_directories((home / link).parent_path());
            fs::create_directory_symlink(home / root, home / link);
        }
        const auto game = install_game(home / root);

        const auto found = looked_up_game_directory();
        EXPECT_TRUE(!found.empty() && fs::equivalent(found, game)) << root << ": " << found;
    }
}

// The code page that a Windows system in the user's language would read names without the UTF-8
// flag in, after the locale's variables in the order the C library reads them.
TEST(ArchiveNames, TheLegacyCodePageFollowsTheUsersLanguage) {
    const struct {
        const char *all, *ctype, *lang;
        unsigned code_page;
    } cases[] = {
        {"", "", "ru_RU.UTF-8", 866},
        {"", "", "zh_CN.GB18030", 936},
        {"", "", "zh_TW.UTF-8", 950},
        {"", "", "zh_HK.BIG5-HKSCS", 950},
        {"", "", "de_DE.UTF-8@euro", 850},
        {"", "", "en_GB.UTF-8", 850},
        {"", "", "pl_PL.UTF-8", 852},
        {"", "", "tr_TR.UTF-8", 857},
        {"", "", "en_US.UTF-8", 437},
        {"", "", "", 437},
        {"", "fr_FR.UTF-8", "ru_RU.UTF-8", 850},
        {"ja_JP.UTF-8", "fr_FR.UTF-8", "ru_RU.UTF-8", 932},
    };
    const char* const names[] = {"LC_ALL", "LC_CTYPE", "LANG"};
    std::string before[3];
    for (int i = 0; i < 3; ++i)
        before[i] = std::getenv(names[i]) ? std::getenv(names[i]) : "";
    for (const auto& [all, ctype, lang, code_page] : cases) {
        set_environment("LC_ALL", all);
        set_environment("LC_CTYPE", ctype);
        set_environment("LANG", lang);
        EXPECT_EQ(archive::legacy_code_page(), code_page) << all << " " << ctype << " " << lang;
    }
    for (int i = 0; i < 3; ++i)
        set_environment(names[i], before[i]);
}

// A game runs from the game's folder natively, or through Wine, which starts it under the
// Windows path of its program; an install over it is told to restart it.
TEST(PosixPlatform, AnInstallWhileTheGameRunsSaysToRestartIt) {
    // Where the stand-in's executable lies in the world, its first argument as ps shows it, and
    // the program as the notice names it.
    for (const auto& [stand_in, started_as, program_name] :
         {std::tuple{"Game/hl_linux", "hl_linux", "hl_linux"},
          std::tuple{"sleep", "C:\\Game\\hl.exe", "hl.exe"}}) {
        FullWorld world;
        fs::create_directories(world.root / "prefix" / "dosdevices");
        fs::create_directory_symlink(world.root, world.root / "prefix/dosdevices/c:");
        TestWorld::write(world.game / "hl.exe", "MZ");
        TestWorld::write(world.library_file("player/gign/Blue/gign.mdl"), "blue");
        const core::LibraryModel blue{core::ModelKind::player, "gign", "Blue"};
        EXPECT_EQ(texts(core::install_model(world.library, blue, {"gign.mdl"}).messages()),
                  std::vector<std::string>{})
            << stand_in;

        fs::copy_file("/bin/sleep", world.root / stand_in);
        const std::string program = (world.root / stand_in).string();
        char* arguments[] = {const_cast<char*>(started_as), const_cast<char*>("60"), nullptr};
        pid_t game = 0;
        ASSERT_EQ(posix_spawn(&game, program.c_str(), nullptr, nullptr, arguments, environ), 0);
        // The stand-in runs as the game once it has started its program, not before.
        const auto proc = "/proc/" + std::to_string(game) + "/cmdline";
        for (int tries = 0; tries < 500 && !TestWorld::read(proc).starts_with(started_as); ++tries)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        const auto installed = core::install_model(world.library, blue, {"gign.mdl"});
        kill(game, SIGKILL);
        waitpid(game, nullptr, 0);
        ASSERT_TRUE(installed) << stand_in;
        ASSERT_EQ(installed.messages().size(), 1u) << stand_in;
        EXPECT_TRUE(holds(platform::english(installed.messages()[0]),
                          "The game is running ("s + program_name +
                              "): it uses the new files only after it is "
                              "restarted, and servers refuse changed files"));
        EXPECT_EQ(TestWorld::read(world.game_file("player/gign/gign.mdl")), "blue");
    }
}
