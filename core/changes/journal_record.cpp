#include "core/changes/journal_record.h"

#include "core/game/game_tree.h"
#include "model/weapon_files.h"
#include "platform/file_names.h"
#include "platform/names.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace core {

namespace {

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

// A line of a tag and a text, the text's length in bytes first, so that any name survives.
std::string line(std::string_view tag, std::string_view text) {
    return std::string(tag) + ' ' + std::to_string(text.size()) + ':' + std::string(text) + '\n';
}

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

// The path with either separator as "/", and a run of them as one: a game directory stored with
// a trailing backslash is followed by a separator of Tessary's own.
std::string normalised(const Path& path) {
    std::string text;
    for (char c : path.text()) {
        c = c == '\\' ? '/' : c;
        if (c != '/' || text.empty() || text.back() != '/')
            text += c;
    }
    if (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}

// The path lies in the folder, each name below it one that a file can take.
bool lies_in(const Path& folder, const Path& path) {
    const auto top = normalised(folder);
    const auto full = normalised(path);
    if (top.empty() || full.size() <= top.size() + 1 || full[top.size()] != '/' ||
        !platform::same_name(std::string_view(full).substr(0, top.size()), top))
        return false;
    std::string_view below = std::string_view(full).substr(top.size() + 1);
    while (!below.empty()) {
        const auto slash = below.find('/');
        if (platform::file_name_problem(below.substr(0, slash)))
            return false;
        below = slash == std::string_view::npos ? std::string_view() : below.substr(slash + 1);
    }
    return true;
}

} // namespace

std::string journal_text(std::string_view what, const std::vector<JournalEntry>& entries) {
    std::string text = std::string(first_line) + '\n' + line("what", what);
    for (const auto& entry : entries) {
        const auto* kind = std::find_if(std::begin(kind_names), std::end(kind_names),
                                        [&](const KindName& k) { return k.kind == entry.kind; });
        text += line(kind->name, entry.path.text());
    }
    return text;
}

std::string done_text() {
    return std::string(done_line) + '\n';
}

std::optional<JournalRecord> read_journal(std::string_view text) {
    if (!text.starts_with(std::string(first_line) + '\n'))
        return std::nullopt;
    std::size_t at = first_line.size() + 1;
    const auto what = read_line(text, at);
    if (!what || what->first != "what")
        return std::nullopt;
    JournalRecord record{std::string(what->second), {}, false};
    while (at < text.size()) {
        if (text.substr(at) == done_text()) {
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

JournalScope journal_scope(const Library& library, std::optional<Path> game_directory) {
    JournalScope scope{library.tree(),
                       {library.program_file(facts(ModelKind::player).set_list),
                        library.program_file(facts(ModelKind::weapon).set_list)},
                       std::nullopt};
    if (game_directory && !game_directory->empty())
        scope.game_models = game_model_folder(*game_directory);
    return scope;
}

bool may_name(const JournalScope& scope, const JournalEntry& entry) {
    switch (entry.kind) {
    case JournalEntry::Kind::new_folder:
    case JournalEntry::Kind::new_file:
        return lies_in(scope.library_tree, entry.path);
    case JournalEntry::Kind::replaced:
    case JournalEntry::Kind::created:
        return std::ranges::find(scope.set_lists, entry.path) != scope.set_lists.end() ||
               (model::is_model_file_name(entry.path.text()) &&
                (lies_in(scope.library_tree, entry.path) ||
                 (scope.game_models && lies_in(*scope.game_models, entry.path))));
    }
    return false;
}

} // namespace core
