#include "core/changes/game_files.h"

#include "core/changes/companions.h"
#include "core/game/game_tree.h"
#include "platform/file_system.h"

namespace core {

namespace {

std::string not_replaced(const Path& target, const std::string& why) {
    return "The game file " + platform::native_path(target) + " was not replaced: " + why + ".";
}

void discard_all_staged(const std::vector<Replacement>& replacements) {
    for (const auto& replacement : replacements)
        platform::discard_staged(replacement.target);
}

// The game files as they stood before a replace, and the ones it has changed so far, which it
// puts back as they were when it cannot finish.
class GameFilesChanged final {
public:
    // A game file that a run killed part-way had set aside comes back first.
    explicit GameFilesChanged(const std::vector<Replacement>& replacements)
        : replacements_(replacements) {
        for (const auto& replacement : replacements)
            existed_.push_back(platform::exists(replacement.target) ||
                               platform::put_back(replacement.target).ok());
    }

    // Puts the staged copy of replacement i in its game file's place, the game file kept aside.
    Result<> replace(std::size_t i) {
        const auto& target = replacements_[i].target;
        if (existed_[i]) {
            if (auto kept = platform::set_aside(target); !kept)
                return kept;
            kept_.push_back(target);
        }
        if (auto placed = platform::put_staged_in_place(target); !placed)
            return placed;
        if (!existed_[i])
            made_.push_back(target);
        return {};
    }

    // Every game file is replaced: the kept ones go.
    void done() {
        for (const auto& target : kept_)
            platform::discard_kept(target);
        kept_.clear();
        made_.clear();
    }

    // What could not be put back, newest first; empty when every game file is as it was.
    std::string put_back() {
        std::string lost;
        for (auto target = made_.rbegin(); target != made_.rend(); ++target)
            (void)platform::delete_file(*target);
        for (auto target = kept_.rbegin(); target != kept_.rend(); ++target) {
            if (auto back = platform::put_back(*target); !back) {
                lost += ' ';
                lost += platform::native_path(*target) + " could not be put back (" + back.why() +
                        "); what it held is in " +
                        platform::native_path(platform::kept_path(*target)) + ".";
            }
        }
        return lost;
    }

private:
    const std::vector<Replacement>& replacements_;
    std::vector<bool> existed_;
    std::vector<Path> kept_;
    std::vector<Path> made_;
};

} // namespace

Result<> replace_game_files(const std::vector<Replacement>& replacements) {
    for (const auto& [source, target] : replacements) {
        if (!platform::is_ordinary_file(source))
            return fail(not_replaced(target, platform::native_path(source) + " is missing"));
        if (const auto readable = platform::check_readable(source); !readable)
            return fail(not_replaced(target, platform::native_path(source) +
                                                 " cannot be read: " + readable.why()));
        if (platform::is_folder(target))
            return fail(not_replaced(target, "a folder stands in its place"));
    }
    GameFilesChanged changed(replacements);
    for (const auto& [source, target] : replacements) {
        if (const auto staged = platform::stage_copy(source, target); !staged) {
            discard_all_staged(replacements);
            return fail(not_replaced(target, staged.why()));
        }
    }
    for (std::size_t i = 0; i < replacements.size(); ++i) {
        if (auto replaced = changed.replace(i); !replaced) {
            discard_all_staged(replacements);
            const auto lost = changed.put_back();
            return fail(not_replaced(replacements[i].target, replaced.why()) +
                        (!lost.empty() ? lost
                         : i > 0       ? " The game files replaced before it were put back."
                                       : " No game file was changed."));
        }
    }
    changed.done();
    return {};
}

Result<> add_replacements(std::vector<Replacement>& replacements, const Library& library,
                          const LibraryModel& model, const std::string& file,
                          const Path& game_directory, MissingCompanion missing) {
    const auto source = library.file(model, file);
    replacements.push_back({source, game_file(game_directory, model.kind, model.type, file)});
    for (const auto& companion : companions_of(source, file)) {
        const auto library_file = library.file(model, companion.file);
        if (!platform::is_ordinary_file(library_file)) {
            if (missing == MissingCompanion::refuse)
                return fail(missing_companion(companion, library.folder(model), "installed"));
            continue;
        }
        replacements.push_back(
            {library_file, game_file(game_directory, model.kind, model.type, companion.file)});
    }
    return {};
}

} // namespace core
