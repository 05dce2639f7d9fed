#pragma once

#include "core/library/library.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text of a change's journal: written by Tessary, but read back like any file that could
// have been damaged or written by someone else, and trusted only as far as it names what
// Tessary's changes write.
namespace core {

struct JournalEntry {
    enum class Kind {
        new_folder, // made by the change
        new_file,   // made by the change under a name that was free
        replaced,   // a file the change replaces, kept aside until the change is done
        created,    // a file the change puts in place where there was none
    };
    Kind kind;
    Path path;
};

// A journal as read back: the change it records, for the user ("install"), its entries, and
// whether the change was marked done.
struct JournalRecord {
    std::string what;
    std::vector<JournalEntry> entries;
    bool done = false;
};

// The journal's text as a change begins, naming every entry.
std::string journal_text(std::string_view what, const std::vector<JournalEntry>& entries);

// What is appended to the journal once every file of the change is in place.
std::string done_text();

// Reads a journal's text: nothing unless all of it is a journal, every line whole.
std::optional<JournalRecord> read_journal(std::string_view text);

// Where Tessary's changes write: the library tree, the set lists, and the game's model folder
// when the game is known.
struct JournalScope {
    Path library_tree;
    std::vector<Path> set_lists;
    std::optional<Path> game_models;
};
JournalScope journal_scope(const Library& library, std::optional<Path> game_directory);

// The entry names only what a change writes: a folder or file in the library tree, a model file
// there or in the game's model folder that is replaced or created, or a set list. Either
// separator counts, and every name below the folder must be one a file can take, so that no
// "." or ".." leads out of it.
bool may_name(const JournalScope& scope, const JournalEntry& entry);

} // namespace core
