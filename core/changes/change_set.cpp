#include "core/changes/change_set.h"

#include "core/changes/journal.h"
#include "platform/file_system.h"

#include <set>

namespace core {

namespace {

template <typename Why> Message not_replaced(const Path& target, Why&& why) {
    return said("The game file %1 was not replaced: %2.", platform::native_path(target),
                std::forward<Why>(why));
}

template <typename Why> Message not_copied(const Path& from, const Path& to, Why&& why) {
    return said("%1 could not be copied to %2: %3.", platform::native_path(from),
                platform::native_path(to), std::forward<Why>(why));
}

Message not_on_disk(std::string_view what, const std::string& why) {
    return said("Tessary could not make sure that the %1 is on the disk (%2), so it has undone it.",
                change_name(what), why);
}

} // namespace

void ChangeSet::make_folder(Path folder) {
    steps_.push_back({Path(), std::move(folder)});
}

void ChangeSet::copy_file(Path from, Path to) {
    steps_.push_back({std::move(from), std::move(to)});
}

void ChangeSet::replace_game_file(Path from, Path target) {
    replacements_.push_back({std::move(from), std::move(target), {}, {}});
}

void ChangeSet::rewrite_file(Path target, std::string content, Message failure) {
    replacements_.push_back({Path(), std::move(target), std::move(content), std::move(failure)});
}

Result<> ChangeSet::check() const {
    for (const auto& [from, target, content, failure] : replacements_) {
        if (from.empty()) {
            if (const auto writable = platform::check_writable(target); !writable)
                return fail(said("%1: %2.", failure, writable.why()));
        } else {
            if (const auto readable = platform::check_readable(from); !readable)
                return fail(
                    not_replaced(target, readable.error() == std::errc::no_such_file_or_directory
                                             ? said("%1 is missing", platform::native_path(from))
                                             : said("%1 cannot be read: %2",
                                                    platform::native_path(from), readable.why())));
            if (platform::is_folder(target))
                return fail(not_replaced(target, said("a folder stands in its place")));
        }
        // A file kept aside under that name may be all that is left of what a file held.
        if (platform::is_kept(target)) {
            const auto in_the_way =
                said("%1, a file Tessary kept aside in an earlier change, is in "
                     "the way; move it elsewhere first",
                     platform::native_path(platform::kept_path(target)));
            return fail(from.empty() ? said("%1: %2.", failure, in_the_way)
                                     : not_replaced(target, in_the_way));
        }
    }
    return {};
}

Result<> ChangeSet::make_folders_and_stage_new() const {
    for (const auto& [from, to] : steps_) {
        if (from.empty()) {
            if (const auto made = platform::create_folder(to); !made)
                return fail(said("The folder %1 could not be created: %2.",
                                 platform::native_path(to), made.why()));
        } else if (platform::exists(to)) {
            return fail(not_copied(from, to, said("a file of that name is there already")));
        } else if (const auto staged = platform::stage_copy(from, to); !staged) {
            return fail(not_copied(from, to, staged.why()));
        }
    }
    return {};
}

Result<> ChangeSet::place_new() const {
    for (const auto& [from, to] : steps_) {
        if (from.empty())
            continue;
        if (const auto placed = platform::put_staged_as_new(to); !placed)
            return fail(not_copied(from, to, placed.why()));
    }
    return {};
}

Result<> ChangeSet::stage_replacements() const {
    for (const auto& [from, target, content, failure] : replacements_) {
        const auto staged = from.empty() ? platform::stage_content(target, content)
                                         : platform::stage_copy(from, target);
        if (!staged)
            return fail(from.empty() ? said("%1: %2.", failure, staged.why())
                                     : not_replaced(target, staged.why()));
    }
    return {};
}

Result<> ChangeSet::replace_targets(const std::vector<bool>& existed) const {
    for (std::size_t i = 0; i < replacements_.size(); ++i) {
        const auto& [from, target, content, failure] = replacements_[i];
        Result<> replaced;
        if (existed[i])
            replaced = platform::set_aside(target);
        if (replaced)
            replaced = platform::put_staged_in_place(target);
        if (!replaced && !from.empty())
            return fail(
                i > 0 ? said("%1 The game files replaced before it were put back.",
                             not_replaced(target, replaced.why()))
                      : said("%1 No game file was changed.", not_replaced(target, replaced.why())));
        if (!replaced)
            return fail(said("%1: %2.", failure, replaced.why()));
    }
    return {};
}

// The staged files, before they take their names; or the folders whose entries changed, after.
Result<> ChangeSet::flush(std::string_view what, bool folders) const {
    std::set<std::string> seen;
    std::vector<Path> paths;
    const auto add = [&](const Path& path) {
        if (seen.insert(path.text()).second)
            paths.push_back(path);
    };
    for (const auto& [from, to] : steps_) {
        if (folders)
            add(to.folder());
        else if (!from.empty())
            add(platform::staged_path(to));
    }
    for (const auto& replacement : replacements_)
        add(folders ? replacement.target.folder() : platform::staged_path(replacement.target));
    if (auto flushed = platform::flush_to_disk(paths); !flushed)
        return fail(not_on_disk(what, flushed.why()));
    return {};
}

Result<> ChangeSet::apply(const Library& library, std::string_view what) const {
    if (auto checked = check(); !checked)
        return checked;
    std::vector<JournalEntry> entries;
    for (const auto& [from, to] : steps_)
        entries.push_back(
            {from.empty() ? JournalEntry::Kind::new_folder : JournalEntry::Kind::new_file, to});
    std::vector<bool> existed;
    for (const auto& replacement : replacements_) {
        existed.push_back(platform::exists(replacement.target));
        entries.push_back(
            {existed.back() ? JournalEntry::Kind::replaced : JournalEntry::Kind::created,
             replacement.target});
    }
    auto journal = Journal::begin(library, what, std::move(entries));
    if (!journal)
        return journal.failure();

    Result<> applied = make_folders_and_stage_new();
    if (applied)
        applied = stage_replacements();
    if (applied)
        applied = flush(what, false);
    if (applied)
        applied = place_new();
    if (applied)
        applied = replace_targets(existed);
    if (applied)
        applied = flush(what, true);
    if (applied) {
        if (auto done = journal->mark_done(); !done)
            applied = fail(not_on_disk(what, done.why()));
    }
    if (!applied) {
        if (auto undone = journal->undo(); !undone)
            applied.tell(undone.messages().front());
        return applied;
    }
    journal->finish();
    return {};
}

} // namespace core
