#include "core/changes/change_set.h"

#include "core/changes/journal.h"
#include "platform/file_system.h"

#include <algorithm>
#include <set>

namespace core {

namespace {

using Kind = JournalEntry::Kind;

Message not_on_disk(std::string_view what, const platform::Argument& why) {
    return said("Tessary could not make sure that the %1 is on the disk (%2), so it has undone it.",
                change_name(what), why);
}

} // namespace

template <typename Why> Message ChangeSet::Step::failed(Why&& why) const {
    switch (kind) {
    case Kind::new_folder:
        return said("The folder %1 could not be created: %2.", platform::native_path(target),
                    std::forward<Why>(why));
    case Kind::new_file:
        return said("%1 could not be copied to %2: %3.", platform::native_path(from),
                    platform::native_path(target), std::forward<Why>(why));
    case Kind::game_file:
        return said("The game file %1 was not replaced: %2.", platform::native_path(target),
                    std::forward<Why>(why));
    case Kind::own_file:
        break;
    }
    return said("%1: %2.", failure, std::forward<Why>(why));
}

void ChangeSet::make_folder(Path folder) {
    steps_.push_back({Step::Kind::new_folder, std::move(folder)});
}

void ChangeSet::copy_file(Path from, Path to) {
    steps_.push_back({Step::Kind::new_file, std::move(to), std::move(from)});
}

void ChangeSet::replace_game_file(Path from, Path target) {
    steps_.push_back({Step::Kind::game_file, std::move(target), std::move(from)});
}

void ChangeSet::rewrite_file(Path target, std::string content, Message failure) {
    steps_.push_back(
        {Step::Kind::own_file, std::move(target), {}, std::move(content), std::move(failure)});
}

Result<> ChangeSet::check() const {
    for (const auto& step : steps_) {
        if (step.kind == Step::Kind::own_file) {
            if (const auto writable = platform::check_writable(step.target); !writable)
                return fail(step.failed(writable.why()));
        } else if (step.kind == Step::Kind::game_file) {
            if (const auto readable = platform::check_readable(step.from); !readable)
                return fail(
                    step.failed(readable.error() == std::errc::no_such_file_or_directory
                                    ? said("%1 is missing", platform::native_path(step.from))
                                    : said("%1 cannot be read: %2",
                                           platform::native_path(step.from), readable.why())));
            if (platform::is_folder(step.target))
                return fail(step.failed(said("a folder stands in its place")));
        }
        // A file kept aside under that name may be all that is left of what a file held.
        if (step.replaces() && platform::is_kept(step.target))
            return fail(
                step.failed(said("%1, a file Tessary kept aside in an earlier change, is in "
                                 "the way; move it elsewhere first",
                                 platform::native_path(platform::kept_path(step.target)))));
    }
    return {};
}

Result<> ChangeSet::make_folders_and_stage_new() const {
    for (const auto& step : steps_) {
        if (step.kind == Step::Kind::new_folder) {
            if (const auto made = platform::create_folder(step.target); !made)
                return fail(step.failed(made.why()));
        } else if (step.kind == Step::Kind::new_file) {
            if (platform::exists(step.target))
                return fail(step.failed(said("a file of that name is there already")));
            if (const auto staged = platform::stage_copy(step.from, step.target); !staged)
                return fail(step.failed(staged.why()));
        }
    }
    return {};
}

Result<> ChangeSet::place_new() const {
    for (const auto& step : steps_) {
        if (step.kind != Step::Kind::new_file)
            continue;
        if (const auto placed = platform::put_staged_as_new(step.target); !placed)
            return fail(step.failed(placed.why()));
    }
    return {};
}

Result<> ChangeSet::stage_replacements() const {
    for (const auto& step : steps_) {
        if (!step.replaces())
            continue;
        const auto staged = step.kind == Step::Kind::own_file
                                ? platform::stage_content(step.target, step.content)
                                : platform::stage_copy(step.from, step.target);
        if (!staged)
            return fail(step.failed(staged.why()));
    }
    return {};
}

Result<> ChangeSet::replace_targets(const Step*& failed) const {
    for (const auto& step : steps_) {
        if (!step.replaces())
            continue;
        Result<> replaced;
        if (step.existed)
            replaced = platform::set_aside(step.target);
        if (replaced)
            replaced = platform::put_staged_in_place(step.target);
        if (!replaced) {
            failed = &step;
            return fail(step.failed(replaced.why()));
        }
    }
    return {};
}

namespace {

// Flushes each path once, however many steps name it.
Result<> flush_once(std::string_view what, const std::vector<Path>& named) {
    std::set<std::string> seen;
    std::vector<Path> paths;
    for (const auto& path : named) {
        if (seen.insert(path.text()).second)
            paths.push_back(path);
    }
    if (auto flushed = platform::flush_to_disk(paths); !flushed)
        return fail(not_on_disk(what, flushed.why()));
    return {};
}

} // namespace

Result<> ChangeSet::flush_staged(std::string_view what) const {
    std::vector<Path> staged;
    for (const auto& step : steps_) {
        if (step.is_staged())
            staged.push_back(platform::staged_path(step.target));
    }
    return flush_once(what, staged);
}

Result<> ChangeSet::flush_folders(std::string_view what) const {
    std::vector<Path> folders;
    for (const auto& step : steps_)
        folders.push_back(step.target.folder());
    return flush_once(what, folders);
}

Result<> ChangeSet::apply(const Library& library, std::string_view what) {
    if (auto checked = check(); !checked)
        return checked;
    std::vector<JournalEntry> entries;
    for (auto& step : steps_) {
        step.existed = step.replaces() && platform::exists(step.target);
        const auto kind = step.kind == Step::Kind::new_folder ? Kind::new_folder
                          : step.kind == Step::Kind::new_file ? Kind::new_file
                          : step.existed                      ? Kind::replaced
                                                              : Kind::created;
        entries.push_back({kind, step.target});
    }
    auto journal = Journal::begin(library, what, std::move(entries));
    if (!journal)
        return journal.failure();

    const Step* failed_replacement = nullptr;
    Result<> applied = make_folders_and_stage_new();
    if (applied)
        applied = stage_replacements();
    if (applied)
        applied = flush_staged(what);
    if (applied)
        applied = place_new();
    if (applied)
        applied = replace_targets(failed_replacement);
    if (applied)
        applied = flush_folders(what);
    if (applied) {
        if (auto done = journal->mark_done(); !done)
            applied = fail(not_on_disk(what, done.why()));
    }
    if (applied) {
        journal->finish();
        return {};
    }
    const auto undone = journal->undo();
    if (!undone)
        return applied.tell(undone.messages().front());
    if (!failed_replacement || failed_replacement->kind != Step::Kind::game_file)
        return applied;
    // Worded from what the undo did: only game files that took their new content before the one
    // that failed had anything to put back.
    const bool others_put_back =
        std::any_of(undone->begin(), undone->end(), [&](const Path& restored) {
            return restored != failed_replacement->target &&
                   std::any_of(steps_.begin(), steps_.end(), [&](const Step& step) {
                       return step.kind == Step::Kind::game_file && step.target == restored;
                   });
        });
    const Message& failure = applied.messages().front();
    Failure worded = applied.failure();
    worded.messages = {others_put_back
                           ? said("%1 The game files replaced before it were put back.", failure)
                           : said("%1 No game file was changed.", failure)};
    return worded;
}

} // namespace core
