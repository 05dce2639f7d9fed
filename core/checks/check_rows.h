#pragma once

#include "core/library/library.h"

#include <cstdint>
#include <string>
#include <vector>

// What the Check window shows: every file of the library's models, and the game's files that
// Tessary installs over, each with what the game and its servers make of it.
namespace core {

struct CheckRow {
    enum class Place { library, game };
    Place place = Place::library;
    ModelKind kind = ModelKind::player;
    std::string type;  // the player type or weapon
    std::string model; // in the library, the model's name; in the game, the library model or
                       // backup set whose file it is byte for byte, if any
    std::string file;  // its name in the game
    Path path;

    // Filled in by check_row(); all empty for a file that is not a studio model, which Tessary
    // does not judge.
    std::string loads = {};   // "yes", or "no: " and why
    std::string verdict = {}; // "accepted", "refused", "not checked" or "cannot tell"
    std::string reason = {};  // why, beside the verdict
    std::string box = {};     // the box measured, when it could be
    // The content's size, by which the game's files are told among the library's before their
    // contents are compared.
    std::uint64_t size = 0;
};

// The file of every player model and the up to four files of every weapon model in the library,
// type by type and weapon by weapon as the name lists give them. Only folders are listed.
Result<std::vector<CheckRow>> library_rows(const Library& library);

// The files of the game's nine player types and every file of its weapons that is there. Only
// folders are listed.
Result<std::vector<CheckRow>> game_rows(const Library& library);

// Reads the row's file and fills in what the game and its servers make of it. Rows may be
// checked on several threads at once, each row on one.
void check_row(CheckRow& row);

// Names, in each game row, the library model or backup set whose file is byte for byte the one
// the game has, among library rows that were checked.
void name_game_files(const Library& library, std::vector<CheckRow>& game,
                     const std::vector<CheckRow>& library_files);

} // namespace core
