#include "platform/file_system.h"
#include "platform/file_system_detail.h"
#include "platform/names.h"

#include <algorithm>

namespace platform {

namespace {

class FileErrors final : public std::error_category {
public:
    const char* name() const noexcept override { return "Tessary files"; }
    std::string message(int error) const override {
        return error == 1 ? "it is not an ordinary file" : "it is larger than Tessary reads";
    }
};

const FileErrors& file_errors() {
    static const FileErrors category;
    return category;
}

} // namespace

std::error_code not_a_file() {
    return {1, file_errors()};
}

std::error_code too_large() {
    return {2, file_errors()};
}

void detail::sort_listing(std::vector<FolderEntry>& entries) {
    // Each name's key is made once, its folded form; names that differ only in case keep a stable
    // order by the names themselves.
    std::vector<std::pair<std::string, std::size_t>> keys;
    keys.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        keys.emplace_back(folded_name(entries[i].name), i);
    }
    std::sort(keys.begin(), keys.end(), [&entries](const auto& a, const auto& b) {
        if (const auto order = a.first.compare(b.first); order != 0)
            return order < 0;
        return entries[a.second].name < entries[b.second].name;
    });
    std::vector<FolderEntry> sorted;
    sorted.reserve(entries.size());
    for (const auto& key : keys)
        sorted.push_back(std::move(entries[key.second]));
    entries = std::move(sorted);
}

namespace {

// A hidden name of Tessary's own beside the target, in the same folder.
Path hidden_beside(const Path& target, const char* suffix) {
    const auto name = target.file_name();
    const auto& text = target.text();
    return Path(text.substr(0, text.size() - name.size()) + '.' + std::string(name) + suffix);
}

} // namespace

Path staged_path(const Path& target) {
    return hidden_beside(target, ".tessary-new");
}

Path kept_path(const Path& target) {
    return hidden_beside(target, ".tessary-old");
}

namespace {

// The staged copy stays only where it took the target's place.
Result<> placed_or_discarded(const Path& target, Result<> placed) {
    if (!placed)
        discard_staged(target);
    return placed;
}

} // namespace

Result<> copy_file(const Path& from, const Path& to) {
    if (exists(to))
        return fail(std::make_error_code(std::errc::file_exists));
    if (auto staged = stage_copy(from, to); !staged)
        return staged;
    return placed_or_discarded(to, detail::put_staged_as_new(to));
}

Result<> write_file(const Path& path, std::string_view content) {
    if (auto writable = detail::check_writable(path); !writable)
        return writable;
    if (auto staged = detail::stage_text(path, content); !staged)
        return staged;
    return placed_or_discarded(path, put_staged_in_place(path));
}

std::optional<std::string> first_ordinary_file(const Path& folder) {
    for (auto& entry : list_folder(folder)) {
        if (!entry.is_folder && !entry.is_hidden && !entry.is_system)
            return std::move(entry.name);
    }
    return std::nullopt;
}

std::vector<std::string> split_lines(std::string_view text, std::size_t max_lines) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size() && lines.size() < max_lines) {
        const auto cr = text.find('\r', start);
        if (cr == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, cr - start));
        start = cr + 1;
        if (start < text.size() && text[start] == '\n')
            ++start;
    }
    return lines;
}

} // namespace platform
