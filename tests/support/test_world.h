#pragma once

#include "test_platform.h"

#include <filesystem>
#include <string>
#include <vector>

// A world of Tessary's own in a fresh temporary folder: a program folder holding the delivered
// name lists, a game folder, and a registry. The core works in it, and every message it would
// show is recorded in `messages` instead.
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
    std::vector<std::string> messages;

    // The program folder and game directory as the core writes them.
    std::string program_folder() const { return program.string(); }
    std::string game_directory() const { return game.string(); }

    // Files are written whole, with their folders; the content is read back whole.
    static void write(const std::filesystem::path& file, const std::string& content);
    static std::string read(const std::filesystem::path& file);

    // The names in a folder, sorted.
    static std::vector<std::string> names_in(const std::filesystem::path& folder);

    // Points the game's first registry entry at the game folder.
    void register_game();

    // The game's model files, each holding its own name: every player type's file, and the four
    // files of every weapon of the delivered weapon list.
    void make_game_files();

    // The library tree, as a first start makes it.
    void make_library();

    // Puts a stand-in model viewer in the program folder as mdl.exe: it adds each argument it is
    // given, a line each, to the file it gives back.
    std::filesystem::path install_recording_viewer() const;

    std::filesystem::path game_file(const std::string& relative) const;    // under cstrike\models
    std::filesystem::path library_file(const std::string& relative) const; // under models
};

void set_environment(const char* name, const std::string& value);

// The 27 weapon names and the 9 player types that Tessary is delivered with.
const std::vector<std::string>& delivered_weapons();
const std::vector<std::string>& delivered_player_types();
