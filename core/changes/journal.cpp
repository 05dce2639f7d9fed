#include "core/changes/journal.h"

#include "core/game/game_directory.h"
#include "platform/file_system.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace core {

namespace {

// The journal is read whole, within a size, and every line checked before anything is done by
// it.
constexpr std::size_t largest_journal = 16 << 20;

Path journal_path(const Library& library) {
    return library.program_file(".changes.tessary-journal");
}

struct Undone {
    std::vector<Path> restored;  // replaced files put back, and files made where none was removed
    std::optional<Message> left; // what could not be undone
};

// Puts back every file the change replaced and removes what it made, newest first, from whatever
// state the change has reached.
Undone undo_entries(const std::vector<JournalEntry>& entries) {
    Undone undone;
    auto& left = undone.left;
    const auto tell = [&left](Message undone) {
        left = left ? said("%1; %2", *left, undone) : undone;
    };
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        const auto& path = entry->path;
        platform::discard_staged(path);
        switch (entry->kind) {
        case JournalEntry::Kind::replaced:
            // A folder under the kept name is something in the change's way, not a kept file.
            if (platform::is_kept(path)) {
                if (auto back = platform::put_back(path); !back)
                    tell(said("%1 could not be put back (%2)", platform::native_path(path),
                              back.why()));
                else
                    undone.restored.push_back(path);
            }
            break;
        case JournalEntry::Kind::created:
        case JournalEntry::Kind::new_file:
            if (platform::exists(path)) {
                if (auto removed = platform::delete_file(path); !removed)
                    tell(said("%1 could not be removed (%2)", platform::native_path(path),
                              removed.why()));
                else if (entry->kind == JournalEntry::Kind::created)
                    undone.restored.push_back(path);
            }
            break;
        case JournalEntry::Kind::new_folder:
            (void)platform::remove_empty_folder(path); // a folder someone has filled since stays
            break;
        }
    }
    return undone;
}

// The change stands, every staged file in its place: what it kept aside goes.
void finish_entries(const std::vector<JournalEntry>& entries) {
    for (const auto& entry : entries) {
        if (entry.kind == JournalEntry::Kind::replaced)
            platform::discard_kept(entry.path);
    }
}

} // namespace

Result<Journal> Journal::begin(const Library& library, std::string_view what,
                               std::vector<JournalEntry> entries) {
    const auto path = journal_path(library);
    if (platform::exists(path))
        return fail(said("Tessary has not yet finished or undone an earlier change, whose record "
                         "is %1, so it changes no files now. Start Tessary again to settle it.",
                         platform::native_path(path)));
    const std::string text = journal_text(what, entries);
    bool handed = false;
    const auto written = platform::write_new_file(path, [&]() -> Result<std::string_view> {
        return std::exchange(handed, true) ? std::string_view() : std::string_view(text);
    });
    if (!written)
        return fail(said("Tessary could not write the record of the %1, %2, so it changed "
                         "nothing: %3.",
                         change_name(what), platform::native_path(path), written.why()));
    Journal journal(path, std::move(entries));
    if (const auto flushed = platform::flush_folder(library.program_folder()); !flushed) {
        (void)platform::delete_file(path);
        return fail(said("Tessary could not make sure the record of the %1, %2, is on the disk, "
                         "so it changed nothing: %3.",
                         change_name(what), platform::native_path(path), flushed.why()));
    }
    return journal;
}

Result<> Journal::mark_done() {
    return platform::append_to_file(path_, done_text());
}

void Journal::finish() {
    finish_entries(entries_);
    (void)platform::delete_file(path_);
}

Result<std::vector<Path>> Journal::undo() {
    auto undone = undo_entries(entries_);
    if (undone.left)
        return fail(
            said("Tessary could not undo all of it yet: %1. It tries again at its next start.",
                 *undone.left));
    (void)platform::delete_file(path_);
    return std::move(undone.restored);
}

Result<> recover_unfinished_change(const Library& library) {
    const auto path = journal_path(library);
    if (!platform::exists(path))
        return {};
    const auto native = platform::native_path(path);
    const auto text = platform::read_file(path, largest_journal);
    auto record = text ? read_journal(*text) : std::nullopt;
    if (record) {
        const auto game = game_directory();
        const auto scope = journal_scope(library, game ? std::optional(*game) : std::nullopt);
        if (!std::ranges::all_of(record->entries,
                                 [&](const JournalEntry& e) { return may_name(scope, e); }))
            record.reset();
    }
    if (!record) {
        // Nothing is done by a record that cannot be trusted; it is put aside, so that Tessary
        // can go on, and whatever the change kept aside stays where it is.
        const Path aside(path.text() + ".unread");
        (void)platform::delete_file(aside);
        (void)platform::rename_file(path, aside);
        const auto kept = platform::native_path(aside);
        if (text)
            return fail(said("Tessary found the record of a change it did not finish, %1, but "
                             "cannot read it, so it changed nothing. The record is kept as %2; "
                             "files the change kept aside are named .<name>.tessary-old.",
                             native, kept));
        return fail(said("Tessary found the record of a change it did not finish, %1, but cannot "
                         "read it (%2), so it changed nothing. The record is kept as %3; files "
                         "the change kept aside are named .<name>.tessary-old.",
                         native, text.why(), kept));
    }
    const auto what = change_name(record->what);
    if (record->done) {
        finish_entries(record->entries);
        (void)platform::delete_file(path);
        return Result<>().tell(
            said("Tessary was stopped as it finished the last %1; the %1 is complete.", what));
    }
    if (const auto left = undo_entries(record->entries).left)
        return fail(said("Tessary was stopped before it finished the last %1, and cannot undo it "
                         "yet: %2. It tries again at its next start, and changes no files until "
                         "then.",
                         what, *left));
    (void)platform::delete_file(path);
    return Result<>().tell(said("Tessary was stopped before it finished the last %1, so it has "
                                "undone it: every file it had changed is as it was before.",
                                what));
}

Message change_name(std::string_view what) {
    // Marked for the translators; a record written by another version may name another change.
    static constexpr const char* known[] = {platform::to_say("install"),
                                            platform::to_say("restore"), platform::to_say("backup"),
                                            platform::to_say("import")};
    for (const char* name : known) {
        if (what == name)
            return said(name);
    }
    return said("%1", what);
}

} // namespace core
