#pragma once

#include "core/library/name_lists.h"

#include <string>

// The set lists pbackup.txt and wbackup.txt in the program folder: one backup set name a line,
// in the order the sets were made.
namespace core {

// The names of the kind's sets, in file order. A list that does not exist yet holds none.
Result<Names> read_set_names(const Library& library, ModelKind kind);

// The kind's list with the set's name and CR LF added at its end, for the backup to write as it
// makes the set; a list that does not exist yet is made.
Result<std::string> list_with_set_name(const Library& library, const BackupSet& set);

} // namespace core
