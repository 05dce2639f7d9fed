#include "platform/file_system.h"
#include "platform/file_reader.h"
#include "platform/file_system_detail.h"
#include "platform/names.h"

#include <algorithm>
#include <optional>

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
    std::vector<std::string_view> names;
    names.reserve(entries.size());
    for (const auto& entry : entries)
        names.push_back(entry.name);
    std::vector<FolderEntry> sorted;
    sorted.reserve(entries.size());
    for (const auto position : listing_order(names))
        sorted.push_back(std::move(entries[position]));
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

// A new file under a name that must not exist yet, from what stage_new stages beside it.
template <typename Stage> Result<> make_new_file(const Path& path, Stage&& stage_new) {
    if (exists(path))
        return fail(std::make_error_code(std::errc::file_exists));
    if (auto staged = stage_new(); !staged)
        return staged;
    return placed_or_discarded(path, put_staged_as_new(path));
}

} // namespace

Result<> copy_file(const Path& from, const Path& to) {
    return make_new_file(to, [&] { return detail::stage_copied(from, to, detail::Flush::now); });
}

Result<> write_new_file(const Path& path, const Pieces& pieces) {
    std::optional<Failure> unread; // why the content could not be had
    return make_new_file(path, [&]() -> Result<> {
        auto staged =
            detail::stage_written(path, detail::Flush::now, [&](const detail::Write& write) {
                for (;;) {
                    auto piece = pieces();
                    if (!piece) {
                        unread = std::move(piece).failure();
                        return std::make_error_code(std::errc::io_error);
                    }
                    if (piece->empty())
                        return std::error_code();
                    if (auto error = write(*piece))
                        return error;
                }
            });
        if (unread)
            return std::move(*unread);
        return staged;
    });
}

Result<> stage_copy(const Path& from, const Path& target) {
    return detail::stage_copied(from, target, detail::Flush::later);
}

Result<> stage_content(const Path& target, std::string_view content) {
    return detail::stage_written(target, detail::Flush::later,
                                 [content](const detail::Write& write) { return write(content); });
}

Result<> write_file(const Path& path, std::string_view content) {
    if (auto writable = check_writable(path); !writable)
        return writable;
    auto staged = detail::stage_written(
        path, detail::Flush::now, [content](const detail::Write& write) { return write(content); });
    if (!staged)
        return staged;
    return placed_or_discarded(path, put_staged_in_place(path));
}

namespace {

// Reads into the content from that position on until it is full or the file ends; gives how
// much of it the file filled.
Result<std::size_t> fill(FileReader& file, std::string& content, std::size_t from) {
    while (from < content.size()) {
        const auto count = file.read(content.data() + from, content.size() - from);
        if (!count)
            return count.failure();
        if (*count == 0)
            break;
        from += *count;
    }
    return from;
}

} // namespace

Result<std::string> read_file(const Path& path, std::size_t max_size) {
    auto file = FileReader::open(path);
    if (!file)
        return file.failure();
    if (file->size() > max_size)
        return fail(too_large());
    // A byte more than the file held as it was opened, so that one read tells its end; the file
    // may change while it is read: whatever it holds then, no more than max_size.
    std::string content(static_cast<std::size_t>(file->size()) + 1, '\0');
    for (std::size_t got = 0;;) {
        const auto filled = fill(*file, content, got);
        if (!filled)
            return filled.failure();
        got = *filled;
        if (got < content.size()) {
            content.resize(got);
            return content;
        }
        if (content.size() > max_size)
            return fail(too_large());
        content.resize(std::min(content.size() * 2 + 4096, max_size + 1));
    }
}

Result<std::string> read_file_start(const Path& path, std::size_t max_size) {
    auto file = FileReader::open(path);
    if (!file)
        return file.failure();
    std::string content(max_size, '\0');
    const auto filled = fill(*file, content, 0);
    if (!filled)
        return filled.failure();
    content.resize(*filled);
    return content;
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
