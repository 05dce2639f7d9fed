#include "test_world.h"

#include "core/game/game_directory.h"
#include "core/library/library_tree.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace fs = std::filesystem;

std::string looked_up_game_directory() {
    const auto found = core::game_directory();
    return found ? found->text() : "<" + platform::english(found.messages().at(0)) + ">";
}

std::optional<core::SourceFolder> source_folder(const fs::path& path) {
    auto folder = core::SourceFolder::at(system_path(path));
    return folder ? std::optional(std::move(folder).value()) : std::nullopt;
}

void require(bool condition, const std::string& what) {
    if (!condition)
        throw std::runtime_error(what);
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

std::vector<std::string> delivered_lines(const char* list) {
    std::vector<std::string> lines;
    std::ifstream file(fs::path(TESSARY_DATA_DIR) / list, std::ios::binary);
    for (std::string line; std::getline(file, line, '\n');)
        lines.push_back(line.substr(0, line.find('\r')));
    return lines;
}

} // namespace

std::vector<std::string> delivered_weapons() {
    return delivered_lines("weapon.txt");
}

std::vector<std::string> delivered_player_types() {
    return delivered_lines("player.txt");
}

TestWorld::TestWorld()
    : root(fresh_world_folder()), program(root / "Program Files" / "Tessary"), game(root / "Game") {
    fs::create_directories(program);
    fs::create_directories(game);
    fs::copy_file(fs::path(TESSARY_DATA_DIR) / "weapon.txt", program / "weapon.txt");
    fs::copy_file(fs::path(TESSARY_DATA_DIR) / "player.txt", program / "player.txt");
}

TestWorld::~TestWorld() {
    std::error_code ignored;
    fs::permissions(root, fs::perms::owner_all, fs::perm_options::add, ignored);
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

std::map<std::string, std::string> TestWorld::files_in(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder))
        files[entry.path().filename().string()] =
            entry.is_regular_file() ? read(entry.path()) : "<folder>";
    return files;
}

std::map<std::string, std::string> TestWorld::snapshot() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const auto name = fs::relative(entry.path(), root).generic_string();
        if (!name.starts_with("prefix"))
            files[name] = entry.is_regular_file() ? read(entry.path()) : "<folder>";
    }
    return files;
}

void TestWorld::make_game() {
    registry.set_text("SOFTWARE\\Sierra OnLine\\Setup\\CSTRIKE", "Directory", game.string());
    for (const auto& type : delivered_player_types())
        write(game_file("player/" + type + "/" + type + ".mdl"), "game " + type);
    write(game_file("hostage.mdl"), "game hostage");
    write(game_file("scientist.mdl"), "game scientist");
    for (const auto& weapon : delivered_weapons())
        for (const auto& name : {"v_" + weapon + ".mdl", "v_" + weapon + "_r.mdl",
                                 "w_" + weapon + ".mdl", "p_" + weapon + ".mdl"})
            write(game_file(name), "game " + name);
}

void TestWorld::make_library() {
    const auto made = core::create_library_tree(library);
    require(made.ok(), made.ok() ? "" : platform::english(made.messages().front()));
}

fs::path TestWorld::install_recorder(fs::path as) const {
    const auto log = root / "arguments.log";
    set_environment("TESSARY_ARGUMENTS_LOG", log.string());
    if (as.empty())
        as = program / "mdl.exe";
    fs::create_directories(as.parent_path());
    fs::copy_file(TESSARY_RECORDER, as);
    return log;
}

fs::path TestWorld::game_file(const std::string& relative) const {
    return game / "cstrike" / "models" / fs::path(relative).make_preferred();
}

fs::path TestWorld::library_file(const std::string& relative) const {
    return program / "models" / fs::path(relative).make_preferred();
}

namespace steam_layout {

namespace {

// A text between quotes, as Steam writes it: Windows paths with their backslashes doubled.
std::string quoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '\\' ? "\\\\" : std::string(1, c);
    return quoted + '"';
}

} // namespace

fs::path install_game(const fs::path& library, const std::string& install_folder,
                      std::uint64_t state_flags, std::uint64_t last_updated,
                      const std::string& app_id) {
    TestWorld::write(library / "steamapps" / "appmanifest_10.acf",
                     "\"AppState\"\n{\n\t\"appid\"\t\t" + quoted(app_id) +
                         "\n\t\"StateFlags\"\t\t" + quoted(std::to_string(state_flags)) +
                         "\n\t\"installdir\"\t\t" + quoted(install_folder) +
                         "\n\t\"LastUpdated\"\t\t" + quoted(std::to_string(last_updated)) +
                         "\n}\n");
    const auto game = library / "steamapps" / "common" / install_folder;
    fs::create_directories(game / "cstrike");
    return game;
}

std::string library_list(const std::vector<fs::path>& folders, bool old_form) {
    std::string text = old_form ? "\"LibraryFolders\"\n{\n" : "\"libraryfolders\"\n{\n";
    for (std::size_t i = 0; i < folders.size(); ++i) {
        const auto number = quoted(std::to_string(old_form ? i + 1 : i));
        const auto path = quoted(folders[i].string());
        text += old_form ? "\t" + number + "\t\t" + path + "\n"
                         : "\t" + number + "\n\t{\n\t\t\"path\"\t\t" + path + "\n\t}\n";
    }
    return text + "}\n";
}

} // namespace steam_layout
