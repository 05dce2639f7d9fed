#pragma once

#include "core/library/library.h"
#include "core/sources/source_folder.h"
#include "platform/path.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

// What differs between the platforms when tests set up their files, registry and faults.

void set_environment(const char* name, const std::string& value);

// Writes a hidden file into the folder and gives back its name: on Linux a name beginning with
// a dot, on Windows one with the hidden attribute.
std::string write_hidden_file(const std::filesystem::path& folder, const std::string& name);

// The folder that a Steam install takes when the user names no other: Steam in $XDG_DATA_HOME
// (by default ~/.local/share) on Linux, Steam in Program Files (x86) on Windows.
std::filesystem::path standard_steam_root();

// Registry values written where the platform's registry reader looks for them: the system.reg of
// the Wine prefix on Linux, the registry itself on Windows. Keys are relative to
// HKEY_LOCAL_MACHINE unless said otherwise; everything written is removed again.
class TestRegistry {
public:
    enum class View { wow32, native }; // the 32-bit installers' view, or the machine's own

    TestRegistry();
    ~TestRegistry();
    TestRegistry(const TestRegistry&) = delete;
    TestRegistry& operator=(const TestRegistry&) = delete;

    // A string value of type REG_SZ, REG_EXPAND_SZ or REG_MULTI_SZ, stored with or without its
    // terminating NUL.
    void set_text(const std::string& key, const std::string& name, const std::string& text,
                  std::uint32_t type = 1, bool with_nul = true, View view = View::wow32);
    void set_dword(const std::string& key, const std::string& name, std::uint32_t value) {
        set(key, name,
            {4,
             {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
              static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)}},
            View::wow32);
    }
    // A REG_SZ value under HKEY_CURRENT_USER (Windows only: Steam keeps its path there).
    void set_user_text(const std::string& key, const std::string& name, const std::string& text);

    void clear();

private:
    struct Value {
        std::uint32_t type;
        std::vector<unsigned char> bytes; // as stored: strings in UTF-16
    };
    void set(const std::string& key, const std::string& name, Value value, View view);

    std::map<std::string, std::map<std::string, Value>> keys_; // Linux only
};

// A path of the test's as Tessary holds it, in UTF-8.
inline platform::Path system_path(const std::filesystem::path& path) {
    const auto text = path.u8string();
    return platform::Path(std::string(text.begin(), text.end()));
}

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

    static std::vector<std::string> names_in(const std::filesystem::path& folder);
    // The folder's entries with their content, as snapshot() has them.
    static std::map<std::string, std::string> files_in(const std::filesystem::path& folder);

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
std::vector<std::string> delivered_weapons();
std::vector<std::string> delivered_player_types();

// Steam's files as Steam writes them, for tests that lay out Steam installs and libraries.
namespace steam_layout {

// The game in a library, which it makes if need be: its manifest (appmanifest_10.acf, of that
// app) naming the install folder, and that folder with a cstrike folder in it. The game's folder
// is given back.
std::filesystem::path install_game(const std::filesystem::path& library,
                                   const std::string& install_folder = "Half-Life",
                                   std::uint64_t state_flags = 4,
                                   std::uint64_t last_updated = 1701388800,
                                   const std::string& app_id = "10");

// A libraryfolders.vdf text that lists the folders, in the form since 2021 (numbered objects
// with a path, from "0") or the older one (numbered paths, from "1").
std::string library_list(const std::vector<std::filesystem::path>& folders, bool old_form = false);

} // namespace steam_layout
