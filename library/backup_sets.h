#pragma once

#include <functional>
#include <string>

// Backup sets: the game's current player or weapon model files, copied into model folders of
// the library tree named by the set name, which is then added to a set list.
namespace library {

// Shows a progress or completion text in the calling window.
using StatusReport = std::function<void(const std::string& text)>;

// Copies the game files of the nine player types, hostage and scientist into the set, then
// appends its name to pbackup.txt. Every check comes before anything is created; a failure is
// reported to the user and stops the backup with no name appended.
void create_player_set(const std::string& set_name, const StatusReport& status);

// Creates a set folder for each of the 27 weapons, copies into them whichever of each weapon's
// four game files exist, then appends the set name to wbackup.txt.
void create_weapon_set(const std::string& set_name, const StatusReport& status);

} // namespace library
