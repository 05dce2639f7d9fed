#include "steam_layout.h"

#include "test_world.h"

namespace fs = std::filesystem;

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
