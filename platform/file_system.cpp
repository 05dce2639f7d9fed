#include "platform/file_system.h"
#include "platform/file_system_detail.h"

#include <algorithm>

namespace platform {

namespace {

unsigned char upper(unsigned char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

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

std::error_code detail::not_a_file() {
    return {1, file_errors()};
}

std::error_code detail::too_large() {
    return {2, file_errors()};
}

void detail::sort_listing(std::vector<FolderEntry>& entries) {
    const auto before = [](const FolderEntry& a, const FolderEntry& b) {
        const auto less_upper = [](unsigned char x, unsigned char y) {
            return upper(x) < upper(y);
        };
        if (std::lexicographical_compare(a.name.begin(), a.name.end(), b.name.begin(), b.name.end(),
                                         less_upper))
            return true;
        if (std::lexicographical_compare(b.name.begin(), b.name.end(), a.name.begin(), a.name.end(),
                                         less_upper))
            return false;
        return a.name < b.name; // names that differ only in case keep a stable order
    };
    std::sort(entries.begin(), entries.end(), before);
}

Path staged_path(const Path& target) {
    const auto name = target.file_name();
    const auto& text = target.text();
    return Path(text.substr(0, text.size() - name.size()) + '.' + std::string(name) +
                ".tessary-new");
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
