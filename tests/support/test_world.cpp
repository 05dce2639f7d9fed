#include "test_world.h"

#include "library/library_tree.h"
#include "platform/message.h"
#include "platform/program_folder.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

namespace fs = std::filesystem;

void set_environment(const char* name, const std::string& value) {
#ifdef _WIN32
    _putenv_s(name, value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
}

namespace {

// A fresh folder for the world. On Linux its Wine prefix holds the registry the world writes.
// The home folder and the folders where Steam may be installed lie inside it too, so that no
// test finds the real ones.
fs::path fresh_world_folder() {
    std::random_device random;
    for (;;) {
        auto folder = fs::temp_directory_path() / ("tessary-test-" + std::to_string(random()));
        if (fs::create_directory(folder)) {
            set_environment("WINEPREFIX", (folder / "prefix").string());
            fs::create_directory(folder / "home");
            set_environment("HOME", (folder / "home").string());
            set_environment("XDG_DATA_HOME", (folder / "home" / "data").string());
            set_environment("ProgramFiles(x86)", (folder / "Program Files (x86)").string());
            set_environment("ProgramFiles", (folder / "Program Files").string());
            return folder;
        }
    }
}

} // namespace

const std::vector<std::string>& delivered_weapons() {
    static const std::vector<std::string> names{
        "ak47",      "aug",          "awp",     "c4",        "deagle", "elite", "fiveseven",
        "flashbang", "g3sg1",        "glock18", "hegrenade", "knife",  "m249",  "m3",
        "m4a1",      "mac10",        "mp5",     "p228",      "p90",    "scout", "sg550",
        "sg552",     "smokegrenade", "tmp",     "ump45",     "usp",    "xm1014"};
    return names;
}

const std::vector<std::string>& delivered_player_types() {
    static const std::vector<std::string> types{"sas",    "gign", "urban",    "gsg9", "terror",
                                                "arctic", "leet", "guerilla", "vip"};
    return types;
}

TestWorld::TestWorld()
    : root(fresh_world_folder()), program(root / "Program Files" / "Tessary"), game(root / "Game") {
    fs::create_directories(program);
    fs::create_directories(game);
    fs::copy_file(fs::path(TESSARY_DATA_DIR) / "weapon.txt", program / "weapon.txt");
    fs::copy_file(fs::path(TESSARY_DATA_DIR) / "player.txt", program / "player.txt");
    platform::set_program_folder(program_folder());
    platform::install_message_function(
        [this](const std::string& text) { messages.push_back(text); });
}

TestWorld::~TestWorld() {
    platform::install_message_function(nullptr);
    std::error_code ignored;
    fs::remove_all(root, ignored);
}

void TestWorld::write(const fs::path& file, const std::string& content) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << content;
}

std::string TestWorld::read(const fs::path& file) {
    std::ifstream stream(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

std::vector<std::string> TestWorld::names_in(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void TestWorld::register_game() {
    registry.set_text("SOFTWARE\\Sierra OnLine\\Setup\\CSTRIKE", "Directory", game_directory());
}

void TestWorld::make_game_files() {
    for (const auto& type : delivered_player_types())
        write(game_file("player/" + type + "/" + type + ".mdl"), "game " + type);
    write(game_file("hostage.mdl"), "game hostage");
    write(game_file("scientist.mdl"), "game scientist");
    for (const auto& weapon : delivered_weapons()) {
        for (const auto& name : {"v_" + weapon + ".mdl", "v_" + weapon + "_r.mdl",
                                 "w_" + weapon + ".mdl", "p_" + weapon + ".mdl"})
            write(game_file(name), "game " + name);
    }
}

void TestWorld::make_library() {
    library::create_library_tree();
}

fs::path TestWorld::install_recording_viewer() const {
    const auto log = root / "viewer.log";
    set_environment("TESSARY_ARGUMENTS_LOG", log.string());
    fs::copy_file(TESSARY_RECORDER, program / "mdl.exe");
    return log;
}

fs::path TestWorld::game_file(const std::string& relative) const {
    return game / "cstrike" / "models" / fs::path(relative).make_preferred();
}

fs::path TestWorld::library_file(const std::string& relative) const {
    return program / "models" / fs::path(relative).make_preferred();
}
