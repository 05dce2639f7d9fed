#pragma once

#include "core/library/library.h"

// Backup sets: the game's current player or weapon model files, copied into model folders of the
// library named by the set name, which is then added to the kind's set list.
namespace core {

// Copies the game's files of every player type (hostage and scientist too) or every weapon into
// a set folder of each, with the companions each file names that the game has, then adds the
// name to the set list: all or nothing. Every check comes before anything is made, and a failure
// on the way removes everything the backup made.
Result<> create_backup_set(const Library& library, const BackupSet& set);

// Puts the set's files back over the game's own, with the companions the set holds for them, all
// or nothing. A player set must hold all its files; a weapon set puts back what it holds and
// leaves the game's other files alone.
Result<> restore_backup_set(const Library& library, const BackupSet& set);

} // namespace core
