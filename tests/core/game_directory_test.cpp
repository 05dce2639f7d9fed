// The game directory: from the registry entries its installers write, else from the user's Steam
// libraries, which Steam's files list in its KeyValues text format.
#include "core/game/game_directory.h"
#include "core/game/key_values.h"
#include "core/game/steam_library.h"
#include "said.h"
#include "test_world.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

namespace fs = std::filesystem;
using core::KeyValuesNode;
using namespace steam_layout;

namespace {

constexpr char sierra[] = "SOFTWARE\\Sierra OnLine\\Setup\\CSTRIKE";
constexpr char valve[] = "SOFTWARE\\Valve\\Half-Life";
constexpr std::uint32_t reg_expand_sz = 2;
using View = TestRegistry::View;

std::optional<std::string> read_value(const char* key, const char* name) {
    return core::read_registry_text(platform::RegistryRoot::local_machine, key, name);
}

// The entries in a short form: key=text, or key{...} for an object, separated by ';'.
std::string outline(const KeyValuesNode& object) {
    std::string text;
    for (const auto& entry : object.children) {
        if (!text.empty())
            text += ';';
        text += entry.key;
        if (entry.is_object)
            text.append(1, '{').append(outline(entry)).append(1, '}');
        else
            text.append(1, '=').append(entry.text);
    }
    return text;
}

std::optional<std::string> parsed(const std::string& text) {
    const auto file = core::parse_key_values(text);
    return file ? std::optional(outline(*file)) : std::nullopt;
}

// Objects nested to the depth, each opened with the text given.
std::string nested(std::size_t depth, const std::string& open = "k {") {
    std::string text;
    for (std::size_t i = 0; i < depth; ++i)
        text += open;
    return text + std::string(depth, '}');
}

} // namespace

TEST(GameDirectory, TheFirstReadableEntryWinsAndAChangeIsSeenAtOnce) {
    TestWorld world;
    EXPECT_EQ(looked_up_game_directory(), "<RegKey not found!!>");
    // A game in a Steam library comes after every entry.
    const auto steam_game = install_game(standard_steam_root());
    EXPECT_TRUE(fs::equivalent(looked_up_game_directory(), steam_game));
    // The 32-bit installers' view of an entry comes before the machine's own.
    world.registry.set_text(valve, "InstallPath", "C:\\Native", 1, true, View::native);
    EXPECT_EQ(looked_up_game_directory(), "C:\\Native");
    world.registry.set_text(valve, "InstallPath", "C:\\Valve");
    EXPECT_EQ(looked_up_game_directory(), "C:\\Valve");
    world.registry.set_text(sierra, "Directory", "C:\\Sierra");
    EXPECT_EQ(looked_up_game_directory(), "C:\\Sierra");

    // Found, though not text: empty, and the second entry is not tried; an operation ends there.
    world.registry.set_text(sierra, "Directory", "C:\\Expand", reg_expand_sz);
    EXPECT_EQ(looked_up_game_directory(), "");
    EXPECT_TRUE(holds(said(core::game_directory_for_operation()), "names no game folder"));
}

TEST(GameDirectory, ValuesReadAsTheGameEntriesAre) {
    TestWorld world;
    world.registry.set_text(valve, "WithNul", "C:\\Games");
    world.registry.set_text(valve, "WithoutNul", "C:\\Games", 1, false);
    // The buffer holds 1024 bytes, the terminating NUL included.
    world.registry.set_text(valve, "Fits", std::string(1023, 'x'));
    world.registry.set_text(valve, "TooLong", std::string(1024, 'x'));
    world.registry.set_dword(valve, "Number", 0x12345678);
    world.registry.set_text(valve, "Empty", "");
    const std::pair<const char*, std::optional<std::string>> values[] = {
        {"WithNul", "C:\\Games"},  {"withoutnul", "C:\\Games"}, {"Fits", std::string(1023, 'x')},
        {"TooLong", std::nullopt}, {"Number", "305419896"},     {"Empty", ""},
        {"Missing", std::nullopt}};
    for (const auto& [name, value] : values)
        EXPECT_EQ(read_value(valve, name), value) << name;
    EXPECT_FALSE(read_value("SOFTWARE\\Missing", "Missing"));
}

TEST(SteamGame, LibrariesWithoutTheGamesFolderArePassedOver) {
    TestWorld world;
    const auto root = standard_steam_root();
    const auto no_folder = world.root / "No Folder", other_app = world.root / "Other App";
    const auto case_differs = world.root / "Case";
    fs::create_directories(root / "steamapps"); // a library without the game
    TestWorld::write(
        root / "config" / "libraryfolders.vdf",
        library_list({root, world.root / "Removed Drive", no_folder, other_app, case_differs}));
    fs::remove(install_game(no_folder) / "cstrike");
    install_game(other_app, "Half-Life", 4, 1701388800, "70");
    EXPECT_EQ(looked_up_game_directory(), "<RegKey not found!!>");

    // Installed while Tessary runs, with the manifest's folder name in another case than the
    // folder's own: the next lookup finds it.
    const auto game = case_differs / "steamapps/common/Half-Life";
    fs::rename(install_game(case_differs, "half-LIFE"), game);
    EXPECT_TRUE(fs::equivalent(looked_up_game_directory(), game));
}

TEST(SteamGame, AFullyInstalledCopyWinsThenTheNewest) {
    // Each copy's state flags and time of its last update, and whether the second wins. 4 is the
    // flag of a full install; 2 wants an update, 1024 has one under way.
    const std::tuple<int, int, int, int, bool> cases[] = {{4, 100, 4, 200, true},
                                                          {4, 200, 4, 100, false},
                                                          {4, 100, 1026, 200, false},
                                                          {2, 300, 6, 100, true},
                                                          {1030, 100, 4, 100, false}};
    for (const auto& [flags, updated, second_flags, second_updated, second_wins] : cases) {
        TestWorld world;
        const auto root = standard_steam_root();
        const auto first = install_game(root, "Half-Life", flags, updated);
        const auto second =
            install_game(world.root / "Second", "Half-Life", second_flags, second_updated);
        // The list in its older form, which only the root's steamapps holds.
        TestWorld::write(root / "steamapps" / "libraryfolders.vdf",
                         library_list({world.root / "Second"}, true));
        EXPECT_TRUE(fs::equivalent(looked_up_game_directory(), second_wins ? second : first))
            << flags << '/' << updated << " against " << second_flags << '/' << second_updated;
    }
}

TEST(KeyValues, SyntaxRules) {
    const std::string long_token(core::key_values_max_token, 'x');
    // Each case's name, text, and outline; nothing where the text is refused whole.
    const std::tuple<const char*, std::string, std::optional<std::string>> cases[] = {
        {"escapes", R"("k" "a\"b\\c\td\ne\x")", "k=a\"b\\c\td\ne\\x"},
        {"unquoted", "key value obj{a b}c\"d\"", "key=value;obj{a=b};c=d"},
        {"white space", "\t\"a\"\r\n\"b\"\v\f\"c\" \"\"", "a=b;c="},
        {"comments", "// top\n\"k\" // after a key\n \"a//b\" //\n", "k=a//b"},
        {"duplicates kept in order", R"("p" "1" "P" "2" "p" {})", "p=1;P=2;p{}"},
        {"byte order mark", "\xEF\xBB\xBF\"k\" \"v\"", "k=v"},
        {"empty", "", ""},
        {"longest token", '"' + long_token + "\" " + long_token, long_token + '=' + long_token},
        {"deepest nesting", nested(core::key_values_max_depth),
         nested(core::key_values_max_depth, "k{")},
        {"unterminated string", R"("k" "v)", std::nullopt},
        {"escaped end of string", R"("k" "v\")", std::nullopt},
        {"unterminated object", R"("a" { "k" "v")", std::nullopt},
        {"stray brace", R"("k" "v" })", std::nullopt},
        {"brace for a key", R"({ "k" "v" })", std::nullopt},
        {"key without value", R"("a" { "k" })", std::nullopt},
        {"key at the end", R"("k")", std::nullopt},
        {"too deep", nested(core::key_values_max_depth + 1), std::nullopt},
        {"quoted token too long", '"' + long_token + "x\" v", std::nullopt},
        {"unquoted token too long", "k " + long_token + 'x', std::nullopt},
        {"binary file", std::string("\x28\x44\x56\x07\x01\0\0\0\0appid\0\x0a\0\0\0\x08\x08", 21),
         std::nullopt},
    };
    for (const auto& [name, text, outline] : cases)
        EXPECT_EQ(parsed(text), outline) << name;
    EXPECT_FALSE(core::parse_key_values(std::string(core::key_values_max_size + 1, ' ')));
}

// Key names compare without regard to case, and of repeated keys the first counts.
TEST(SteamFiles, LibraryListsAndAppManifests) {
    EXPECT_EQ(core::listed_library_folders(R"("LibraryFolders" {
        "TimeNextStatsReport" "1623079515"  "1" "D:\\SteamLibrary"  "2" "relative"  "3" ""
        "x4" "/not/numbered"  "5" { "label" "no path" }  "6" { "PATH" "/mnt/a" "path" "/mnt/b" }
        "7" "/mnt/c" })"),
              (std::vector<std::string>{"D:\\SteamLibrary", "/mnt/a", "/mnt/c"}));
    EXPECT_TRUE(core::listed_library_folders(R"("AppState" { "1" "/mnt/games" })").empty());
    EXPECT_TRUE(core::listed_library_folders(R"("libraryfolders" "/mnt/games")").empty());

    const auto manifest = core::read_app_manifest(R"("appstate" { "APPID" "10"
        "StateFlags" "1030" "installdir" "Half-Life" "InstallDir" "HL" "LastUpdated" "1701388800" })");
    ASSERT_TRUE(manifest);
    EXPECT_EQ(std::tie(manifest->app_id, manifest->install_folder, manifest->state_flags,
                       manifest->last_updated),
              std::tuple(10u, "Half-Life", 1030u, 1701388800u));
    // A folder name that could lead anywhere but into steamapps/common is no manifest's.
    for (const char* folder : {"", ".", "..", "../x", "a/b", "a\\b", "C:x"})
        EXPECT_FALSE(core::read_app_manifest(R"("AppState" { "installdir" ")" +
                                             std::string(folder) + "\" }"))
            << folder;
    EXPECT_FALSE(core::read_app_manifest(R"("AppState" { "installdir" { } })"));
}
