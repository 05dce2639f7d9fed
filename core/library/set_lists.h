#pragma once

#include "core/library/name_lists.h"

#include <string>

// The set lists pbackup.txt and wbackup.txt in the program folder: one backup set name a line,
// in the order the sets were made.
namespace core {

// The names of the kind's sets, in file order. A list that does not exist yet holds none.
Result<Names> read_set_names(const Library& library, ModelKind kind);

// Adds the name and CR LF at the end of the kind's list, creating it when it is missing. The
// list is either left as it was or holds the whole new line.
Result<> append_set_name(const Library& library, const BackupSet& set);

} // namespace core
