#pragma once

#include "core/checks/companions.h"
#include "core/checks/model_checks.h"
#include "core/library/library.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the Check window shows: every file of the library's models, and the game's files that
// Tessary installs over with the companions they need, each with what the game and its servers
// make of it.
namespace core {

// A library model or backup set whose file a game file is, byte for byte.
struct FileOrigin {
    bool backup_set = false; // else a model
    std::string name;
};

struct CheckRow {
    enum class Place { library, game };
    // What the file turned out to be when it was read.
    enum class Found {
        unread,
        unreadable,  // why: reason
        not_a_model, // not a studio file at all, which Tessary leaves alone as the game's own
                     // random-looking files are
        companion,   // a texture or group file that companion names
        model,       // judged in check
    };

    Place place = Place::library;
    ModelKind kind = ModelKind::player;
    std::string type;  // the player type or weapon
    std::string model; // in the library, the model's name
    std::string file;  // its name in the game
    Path path;
    std::optional<Companion> companion = {}; // for a companion file, what the game loads from it

    // Filled in by check_row().
    Found found = Found::unread;
    platform::Argument reason = {}; // why it cannot be read
    ModelCheck check = {};
    // The content's size, by which the game's files are told among the library's before their
    // contents are compared.
    std::uint64_t size = 0;
    // Filled in by name_game_files(), for a game file.
    std::vector<FileOrigin> origins = {};

    bool refused_by_servers() const {
        return found == Found::model && check.servers.verdict == model::Verdict::refused;
    }
    bool unloadable() const { return found == Found::model && check.load_refusal.has_value(); }
};

// The file of every player model and the up to four files of every weapon model in the library,
// type by type and weapon by weapon as the name lists give them. Only folders are listed.
Result<std::vector<CheckRow>> library_rows(const Library& library);

// The files of the game's nine player types and every file of its weapons that is there, each
// followed by the companions its header names that lie beside it.
Result<std::vector<CheckRow>> game_rows(const Library& library);

// The row's file, opened as check_row() takes it: paged, as checking a model reads about a fifth
// of it.
Result<model::PagedFile> open_row_file(const CheckRow& row);

// Fills in what the game and its servers make of the row's file, reading what that needs of it,
// or from why it could not be opened. Rows may be checked on several threads at once, each row
// on one.
void check_row(CheckRow& row, const Result<model::PagedFile>& file);

// Names, in each game row, the library models and backup sets whose file is byte for byte the
// one the game has, among library rows that were checked.
void name_game_files(const Library& library, std::vector<CheckRow>& game,
                     const std::vector<CheckRow>& library_files);

} // namespace core
