#pragma once

#include "core/changes/journal_record.h"
#include "core/library/library.h"

#include <string>
#include <string_view>
#include <vector>

// The record of a change to several files while it is under way, so that no kill of the process
// and no power cut can leave it half made. A change (an install, a restore, an import, a backup)
// goes in this order:
//   1. it checks everything it needs, and writes nothing until then;
//   2. its journal, naming every folder and file it will make or replace, is written beside its
//      final name, flushed, put in place by a rename and the program folder flushed;
//   3. its new folders and files are made, each file written under a hidden name beside its
//      target, flushed and then renamed to its name;
//   4. the files that replace others are staged the same way, then each target is kept under a
//      hidden name of its own (.<name>.tessary-old) and the staged file renamed over it;
//   5. the folders whose entries changed are flushed, and "done" is appended to the journal and
//      flushed: from here on the change stands;
//   6. the kept files go, and last the journal.
// A start of Tessary that finds a journal finishes a change marked done (step 6) and undoes any
// other: kept files are put back, made files and folders removed, staged files discarded. A kept
// file is never removed while its change is not done.
namespace core {

class Journal final {
public:
    // Writes the journal of a change, in the program folder, before the change writes anything.
    // what names the change for the user ("install"). Refused while the journal of an earlier
    // change is still there.
    static Result<Journal> begin(const Library& library, std::string_view what,
                                 std::vector<JournalEntry> entries);

    // Every file of the change is in place: the change stands.
    Result<> mark_done();

    // After mark_done(): the files kept aside go, and then the journal.
    void finish();

    // Undoes whatever of the change has been made, whatever it has come to, and removes the
    // journal; gives the files it put back as they were, or removed where there was none. What
    // cannot be undone is named in the failure, and the journal stays for the next start to try
    // again.
    Result<std::vector<Path>> undo();

private:
    Journal(Path path, std::vector<JournalEntry> entries)
        : path_(std::move(path)), entries_(std::move(entries)) {}

    Path path_;
    std::vector<JournalEntry> entries_;
};

// Finishes or undoes the change that a killed run left a journal of, before anything else is
// done. Nothing when there is none; else, on a good result too, a text that tells the user what
// was found and done.
Result<> recover_unfinished_change(const Library& library);

// The change that `what` names ("install") as the user is told of it.
Message change_name(std::string_view what);

} // namespace core
