#include "steam_layout.h"

#include "test_world.h"

namespace fs = std::filesystem;

namespace steam_layout {

namespace {

// Steam escapes the backslashes of Windows paths.
std::string quoted_path(const fs::path& folder) {
    std::string quoted = "\"";
    for (const char c : folder.string())
        quoted += c == '\\' ? "\\\\" : std::string(1, c);
    return quoted + '"';
}

} // namespace

void make_library(const fs::path& library) {
    fs::create_directories(library / "steamapps");
}

fs::path install_game(const fs::path& library, const std::string& install_folder,
                      std::uint64_t state_flags, std::uint64_t last_updated) {
    write_manifest(library, install_folder, state_flags, last_updated);
    const auto game = library / "steamapps" / "common" / install_folder;
    fs::create_directories(game / "cstrike" / "models");
    return game;
}

void write_manifest(const fs::path& library, const std::string& install_folder,
                    std::uint64_t state_flags, std::uint64_t last_updated,
                    const std::string& app_id) {
    TestWorld::write(library / "steamapps" / "appmanifest_10.acf",
                     "\"AppState\"\n{\n\t\"appid\"\t\t\"" + app_id +
                         "\"\n\t\"Universe\"\t\t\"1\"\n\t\"name\"\t\t\"Counter-Strike\"\n"
                         "\t\"StateFlags\"\t\t\"" +
                         std::to_string(state_flags) + "\"\n\t\"installdir\"\t\t\"" +
                         install_folder + "\"\n\t\"LastUpdated\"\t\t\"" +
                         std::to_string(last_updated) +
                         "\"\n\t\"UserConfig\"\n\t{\n\t\t\"language\"\t\t\"english\"\n\t}\n}\n");
}

std::string library_list(const std::vector<fs::path>& folders, bool old_form) {
    std::string text = old_form
                           ? "\"LibraryFolders\"\n{\n\t\"TimeNextStatsReport\"\t\t\"1623079515\"\n"
                           : "\"libraryfolders\"\n{\n\t\"contentstatsid\"\t\t\"-64182\"\n";
    for (std::size_t i = 0; i < folders.size(); ++i) {
        const auto number = "\t\"" + std::to_string(old_form ? i + 1 : i) + "\"";
        if (old_form) {
            text += number + "\t\t" + quoted_path(folders[i]) + "\n";
        } else {
            text += number + "\n\t{\n\t\t\"path\"\t\t" + quoted_path(folders[i]) +
                    "\n\t\t\"label\"\t\t\"\"\n\t\t\"apps\"\n\t\t{\n\t\t\t\"10\"\t\t\"612958207\"\n"
                    "\t\t}\n\t}\n";
        }
    }
    return text + "}\n";
}

} // namespace steam_layout
