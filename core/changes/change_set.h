#pragma once

#include "core/library/library.h"

#include <string>
#include <string_view>
#include <vector>

namespace core {

// The folders and files that one change makes or replaces, planned whole before anything is
// written and then applied all or nothing, through a journal that lets a start of Tessary finish
// or undo it should the change be stopped part-way (journal.h tells the order of the writes).
// New folders and files are made in the order they were added; the replacements follow, each
// target kept aside until all have taken their places.
class ChangeSet final {
public:
    // A new folder, whose parent exists or is made before it.
    void make_folder(Path folder);

    // A new file, a whole copy of another, under a name that is free.
    void copy_file(Path from, Path to);

    // A copy of the file takes the place of a game file, which need not exist yet if its folder
    // does; a game file that is read-only is replaced all the same.
    void replace_game_file(Path from, Path target);

    // New content takes the place of one of Tessary's own files, or makes it, where it may be
    // written to; failure says what the user is told when it cannot be ("The name ... could not
    // be added to ...").
    void rewrite_file(Path target, std::string content, Message failure);

    // what names the change for the user ("install").
    Result<> apply(const Library& library, std::string_view what) const;

private:
    struct Step {
        Path from; // empty for a new folder
        Path to;
    };
    struct Replacement {
        Path from; // empty for new content
        Path target;
        std::string content;
        Message failure;
    };

    Result<> check() const;
    Result<> make_folders_and_stage_new() const;
    Result<> stage_replacements() const;
    Result<> flush(std::string_view what, bool folders) const;
    Result<> place_new() const;
    // existed: for each replacement, whether its target was there as the change began.
    Result<> replace_targets(const std::vector<bool>& existed) const;

    std::vector<Step> steps_;
    std::vector<Replacement> replacements_;
};

} // namespace core
