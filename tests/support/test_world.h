#pragma once

#include "core/library/library.h"
#include "core/sources/source_folder.h"
#include "platform/path.h"
#include "test_platform.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

// A path of the test's as Tessary holds it, in UTF-8.
inline platform::Path system_path(const std::filesystem::path& path) {
    const auto text = path.u8string();
    return platform::Path(std::string(text.begin(), text.end()));
}

// A settings store of the test's own.
struct MemorySettings final : platform::Settings {
    std::optional<std::string> read(const std::string& section,
                                    const std::string& key) const override {
        const auto found = values.find(section + '/' + key);
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
    void write(const std::string& section, const std::string& key,
               const std::string& value) override {
        values[section + '/' + key] = value;
    }
    std::map<std::string, std::string> values;
};

// A world of Tessary's own in a fresh temporary folder: a program folder holding the delivered
// name lists, a game folder, a registry and a home folder. The core works in it.
class TestWorld {
public:
    TestWorld();
    ~TestWorld();
    TestWorld(const TestWorld&) = delete;
    TestWorld& operator=(const TestWorld&) = delete;

    std::filesystem::path root;
    std::filesystem::path program; // the program folder
    std::filesystem::path game;    // the game directory
    TestRegistry registry;
    MemorySettings settings;
    core::Library library{system_path(program), settings};

    // Files are written whole, with their folders; the content is read back whole.
    static void write(const std::filesystem::path& file, const std::string& content);
    static std::string read(const std::filesystem::path& file);

    // The names in a folder, sorted.
    static std::vector<std::string> names_in(const std::filesystem::path& folder);

    // Every folder and file of the world with its content, to tell whether anything changed.
    std::map<std::string, std::string> snapshot() const;

    // Points the game's first registry entry at the game folder, and gives the game its model
    // files, each holding its own name: every player type's file, and the four files of every
    // weapon of the delivered weapon list.
    void make_game();

    // The library tree, as a first start makes it.
    void make_library();

    // Puts a stand-in program at that path, by default the model viewer mdl.exe of the program
    // folder: it adds each argument it is given, a line each, to the file it gives back, which it
    // makes when it runs.
    std::filesystem::path install_recorder(std::filesystem::path as = {}) const;

    std::filesystem::path game_file(const std::string& relative) const;    // under cstrike\models
    std::filesystem::path library_file(const std::string& relative) const; // under models
};

// A world with a game, found through its registry entry, and the library tree.
struct FullWorld : TestWorld {
    FullWorld() {
        make_game();
        make_library();
    }
};

// The game directory as the lookup finds it, or its message in angle brackets.
std::string looked_up_game_directory();

// The source folder at a path of the test's, as an import window finds it; nothing where there
// is none.
std::optional<core::SourceFolder> source_folder(const std::filesystem::path& path);

// Stops the test, whatever framework runs it, when a step of its set-up fails.
void require(bool condition, const std::string& what);

// The 27 weapon names and the 9 player types that Tessary is delivered with.
const std::vector<std::string>& delivered_weapons();
const std::vector<std::string>& delivered_player_types();
