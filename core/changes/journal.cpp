#include "core/changes/journal.h"

#include "platform/file_system.h"
#include "platform/names.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <utility>

namespace core {

namespace {

// The journal is Tessary's own file, but it is read like any file that could have been damaged:
// whole, within a size, and every line checked before anything is done by it.
constexpr std::size_t largest_journal = 16 << 20;
constexpr std::string_view first_line = "Tessary change journal 1";
constexpr std::string_view done_line = "done";

struct KindName {
    JournalEntry::Kind kind;
    std::string_view name;
};
constexpr KindName kind_names[] = {{JournalEntry::Kind::new_folder, "new-folder"},
                                   {JournalEntry::Kind::new_file, "new-file"},
                                   {JournalEntry::Kind::replaced, "replaced"},
                                   {JournalEntry::Kind::created, "created"}};

Path journal_path(const Library& library) {
    return library.program_file(".changes.tessary-journal");
}

// A line of a tag and a text, the text's length in bytes first, so that any name survives.
std::string line(std::string_view tag, std::string_view text) {
    return std::string(tag) + ' ' + std::to_string(text.size()) + ':' + std::string(text) + '\n';
}

struct Record {
    std::string what;
    std::vector<JournalEntry> entries;
    bool done = false;
};

// Reads one "<tag> <length>:<text>\n" line at `at`; nothing when the line is not one.
std::optional<std::pair<std::string_view, std::string_view>> read_line(std::string_view text,
                                                                       std::size_t& at) {
    const auto blank = text.find(' ', at);
    const auto colon = text.find(':', at);
    if (blank == std::string_view::npos || colon == std::string_view::npos || colon < blank)
        return std::nullopt;
    std::size_t length = 0;
    const auto digits = text.substr(blank + 1, colon - blank - 1);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), length);
    if (error != std::errc() || end != digits.data() + digits.size() || digits.empty() ||
        length > text.size() - colon - 1 || text.size() - colon - 1 - length < 1 ||
        text[colon + 1 + length] != '\n')
        return std::nullopt;
    const auto tag = text.substr(at, blank - at);
    const auto value = text.substr(colon + 1, length);
    at = colon + 1 + length + 1;
    return std::pair(tag, value);
}

std::optional<Record> parse(std::string_view text) {
    if (!text.starts_with(std::string(first_line) + '\n'))
        return std::nullopt;
    std::size_t at = first_line.size() + 1;
    const auto what = read_line(text, at);
    if (!what || what->first != "what")
        return std::nullopt;
    Record record{std::string(what->second), {}, false};
    while (at < text.size()) {
        if (text.substr(at) == std::string(done_line) + '\n') {
            record.done = true;
            break;
        }
        const auto entry = read_line(text, at);
        if (!entry)
            return std::nullopt;
        const auto* kind = std::find_if(std::begin(kind_names), std::end(kind_names),
                                        [&](const KindName& k) { return k.name == entry->first; });
        if (kind == std::end(kind_names) || entry->second.empty())
            return std::nullopt;
        record.entries.push_back({kind->kind, Path(std::string(entry->second))});
    }
    return record;
}

bool is_set_list(const Library& library, const Path& path) {
    return path == library.program_file(facts(ModelKind::player).set_list) ||
           path == library.program_file(facts(ModelKind::weapon).set_list);
}

// What a journal may name: the library's own folders and files, and files that replace a model
// file or a set list. Anything else is not undone or finished by it.
bool may_name(const Library& library, const JournalEntry& entry) {
    const auto& text = entry.path.text();
    switch (entry.kind) {
    case JournalEntry::Kind::new_folder:
    case JournalEntry::Kind::new_file:
        return text.starts_with(library.tree().text() + '/') &&
               text.find("/../") == std::string::npos && !text.ends_with("/..");
    case JournalEntry::Kind::replaced:
    case JournalEntry::Kind::created: {
        const auto name = entry.path.file_name();
        return is_set_list(library, entry.path) ||
               (name.size() > 4 && platform::same_name(name.substr(name.size() - 4), ".mdl"));
    }
    }
    return false;
}

struct Undone {
    std::vector<Path> restored; // replaced files put back, and files made where none was removed
    std::string left;           // what could not be undone
};

// Puts back every file the change replaced and removes what it made, newest first, from whatever
// state the change has reached.
Undone undo_entries(const std::vector<JournalEntry>& entries) {
    Undone undone;
    auto& left = undone.left;
    const auto tell = [&left](const Path& path, const std::string& why) {
        left += (left.empty() ? "" : "; ") + platform::native_path(path) + " " + why;
    };
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        const auto& path = entry->path;
        platform::discard_staged(path);
        switch (entry->kind) {
        case JournalEntry::Kind::replaced:
            // A folder under the kept name is something in the change's way, not a kept file.
            if (platform::is_kept(path)) {
                if (auto back = platform::put_back(path); !back)
                    tell(path, "could not be put back (" + back.why() + ")");
                else
                    undone.restored.push_back(path);
            }
            break;
        case JournalEntry::Kind::created:
        case JournalEntry::Kind::new_file:
            if (platform::exists(path)) {
                if (auto removed = platform::delete_file(path); !removed)
                    tell(path, "could not be removed (" + removed.why() + ")");
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
        return fail("Tessary has not yet finished or undone an earlier change, whose record is " +
                    platform::native_path(path) +
                    ", so it changes no files now. Start Tessary again to settle it.");
    std::string text = std::string(first_line) + '\n' + line("what", what);
    for (const auto& entry : entries) {
        const auto* kind = std::find_if(std::begin(kind_names), std::end(kind_names),
                                        [&](const KindName& k) { return k.kind == entry.kind; });
        text += line(kind->name, entry.path.text());
    }
    bool handed = false;
    const auto written = platform::write_new_file(path, [&]() -> Result<std::string_view> {
        return std::exchange(handed, true) ? std::string_view() : std::string_view(text);
    });
    if (!written)
        return fail("Tessary could not write the record of the " + std::string(what) + ", " +
                    platform::native_path(path) + ", so it changed nothing: " + written.why() +
                    ".");
    Journal journal(path, std::move(entries));
    if (const auto flushed = platform::flush_folder(library.program_folder()); !flushed) {
        (void)platform::delete_file(path);
        return fail("Tessary could not make sure the record of the " + std::string(what) + ", " +
                    platform::native_path(path) +
                    ", is on the disk, so it changed nothing: " + flushed.why() + ".");
    }
    return journal;
}

Result<> Journal::mark_done() {
    return platform::append_to_file(path_, std::string(done_line) + '\n');
}

void Journal::finish() {
    finish_entries(entries_);
    (void)platform::delete_file(path_);
}

Result<std::vector<Path>> Journal::undo() {
    auto undone = undo_entries(entries_);
    if (!undone.left.empty())
        return fail("Tessary could not undo all of it yet: " + undone.left +
                    ". It tries again at its next start.");
    (void)platform::delete_file(path_);
    return std::move(undone.restored);
}

Result<> recover_unfinished_change(const Library& library) {
    const auto path = journal_path(library);
    if (!platform::exists(path))
        return {};
    const auto native = platform::native_path(path);
    const auto text = platform::read_file(path, largest_journal);
    auto record = text ? parse(*text) : std::nullopt;
    if (record && !std::all_of(record->entries.begin(), record->entries.end(),
                               [&](const JournalEntry& e) { return may_name(library, e); }))
        record.reset();
    if (!record) {
        // Nothing is done by a record that cannot be trusted; it is put aside, so that Tessary
        // can go on, and whatever the change kept aside stays where it is.
        const Path aside(path.text() + ".unread");
        (void)platform::delete_file(aside);
        (void)platform::rename_file(path, aside);
        return fail("Tessary found the record of a change it did not finish, " + native +
                    ", but cannot read it" + (text ? "" : " (" + text.why() + ")") +
                    ", so it changed nothing. The record is kept as " +
                    platform::native_path(aside) +
                    "; files the change kept aside are named .<name>.tessary-old.");
    }
    const auto& what = record->what;
    if (record->done) {
        finish_entries(record->entries);
        (void)platform::delete_file(path);
        return Result<>().tell("Tessary was stopped as it finished the last " + what + "; the " +
                               what + " is complete.");
    }
    if (const auto left = undo_entries(record->entries).left; !left.empty())
        return fail("Tessary was stopped before it finished the last " + what +
                    ", and cannot undo it yet: " + left +
                    ". It tries again at its next start, and changes no files until then.");
    (void)platform::delete_file(path);
    return Result<>().tell("Tessary was stopped before it finished the last " + what +
                           ", so it has undone it: every file it had changed is as it was before.");
}

} // namespace core
