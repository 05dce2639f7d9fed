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

    // Applies the change once; what names it for the user ("install").
    Result<> apply(const Library& library, std::string_view what);

private:
    struct Step {
        enum class Kind {
            new_folder, // made where nothing stands
            new_file,   // a copy of `from` under a name that is free
            game_file,  // a copy of `from` in place of a game file
            own_file,   // `content` in place of one of Tessary's own files
        };
        Kind kind;
        Path target;
        Path from = {};
        std::string content = {};
        Message failure = {}; // for own_file: what the user is told when it cannot be written
        bool existed = false; // for a replacement: its target stood there as the change began

        bool replaces() const { return kind == Kind::game_file || kind == Kind::own_file; }
        bool is_staged() const { return kind != Kind::new_folder; }
        // What the user is told when this step fails for that reason.
        // why: a reason of the system's or a message.
        template <typename Why> Message failed(Why&& why) const;
    };

    Result<> check() const;
    Result<> make_folders_and_stage_new() const;
    Result<> stage_replacements() const;
    // Makes the staged files survive a power cut before they take their names.
    Result<> flush_staged(std::string_view what) const;
    // Makes the renames survive a power cut, once every file has taken its name.
    Result<> flush_folders(std::string_view what) const;
    Result<> place_new() const;
    // The failure names the replacement that failed, for the undo to be worded after it.
    Result<> replace_targets(const Step*& failed) const;

    std::vector<Step> steps_;
};

} // namespace core
