// The KeyValues text format, and what Steam's library list and app manifests say in it.
#include "core/game/key_values.h"
#include "core/game/steam_library.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

using core::KeyValuesNode;

namespace {

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

TEST(KeyValues, SyntaxRules) {
    const std::string long_token(core::key_values_max_token, 'x');
    struct Case {
        const char* name;
        std::string text;
        std::optional<std::string> outline; // nothing: refused whole
    };
    const Case cases[] = {
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
    for (const auto& c : cases)
        EXPECT_EQ(parsed(c.text), c.outline) << c.name;
    EXPECT_FALSE(core::parse_key_values(std::string(core::key_values_max_size + 1, ' ')));
}

// Key names compare without regard to case, and of repeated keys the first counts.
TEST(SteamFiles, LibraryLists) {
    EXPECT_EQ(core::listed_library_folders(R"("LibraryFolders" {
        "TimeNextStatsReport" "1623079515"  "1" "D:\\SteamLibrary"  "2" "relative"  "3" ""
        "x4" "/not/numbered"  "5" { "label" "no path" }  "6" { "PATH" "/mnt/a" "path" "/mnt/b" }
        "7" "/mnt/c" })"),
              (std::vector<std::string>{"D:\\SteamLibrary", "/mnt/a", "/mnt/c"}));
    EXPECT_TRUE(core::listed_library_folders(R"("AppState" { "1" "/mnt/games" })").empty());
    EXPECT_TRUE(core::listed_library_folders(R"("libraryfolders" "/mnt/games")").empty());
}

TEST(SteamFiles, AppManifests) {
    const auto manifest = core::read_app_manifest(R"("appstate" { "APPID" "10"
        "StateFlags" "1030" "installdir" "Half-Life" "InstallDir" "HL" "LastUpdated" "1701388800" })");
    ASSERT_TRUE(manifest);
    EXPECT_EQ(std::tie(manifest->app_id, manifest->install_folder, manifest->state_flags,
                       manifest->last_updated),
              std::tuple(10u, "Half-Life", 1030u, 1701388800u));
    // A folder name that could lead anywhere but into steamapps/common is no manifest's.
    for (const char* folder : {"", ".", "..", "../x", "a/b", "a\\b", "C:x"}) {
        EXPECT_FALSE(core::read_app_manifest(std::string(R"("AppState" { "installdir" ")") +
                                             folder + "\" }"))
            << folder;
    }
    EXPECT_FALSE(core::read_app_manifest(R"("AppState" { "installdir" { } })"));
}
