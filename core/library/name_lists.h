#pragma once

#include "core/library/library.h"

#include <string>
#include <vector>

// The two name lists delivered beside the executable, weapon.txt and player.txt. Every user reads
// a list afresh from its file, so an edit takes effect at the next use.
namespace core {

using Names = std::vector<std::string>;

// The kind's names: the first 27 lines of weapon.txt, or the first 9 of player.txt. A list that
// cannot be read fails, and so does one with a line that cannot be a folder of the library: each
// name must be a folder name, stand once in its list, and not take a folder Tessary makes itself.
// A short list hands out the names it holds, and says why it falls short.
Result<Names> read_name_list(const Library& library, ModelKind kind);

// The kind's names, when the list holds them all; a short list fails.
Result<Names> complete_name_list(const Library& library, ModelKind kind);

// The names of the kind's backup sets: the list's names, and for players hostage and scientist.
Result<Names> set_names(const Library& library, ModelKind kind);

// The player types of player.txt followed by hostage and scientist, and the weapons of
// weapon.txt, when both lists are whole.
struct LibraryNames {
    Names player_types;
    Names weapons;
};
Result<LibraryNames> library_names(const Library& library);

} // namespace core
