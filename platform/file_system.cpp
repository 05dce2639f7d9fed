#include "platform/file_system.h"
#include "platform/file_system_detail.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>

namespace platform {

namespace {

std::error_code last_errno() {
    return {errno, std::generic_category()};
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

unsigned char upper(unsigned char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

} // namespace

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

std::optional<std::string> first_ordinary_file(const std::string& folder) {
    for (auto& entry : list_folder(folder)) {
        if (!entry.is_folder && !entry.is_hidden && !entry.is_system)
            return std::move(entry.name);
    }
    return std::nullopt;
}

TextLines read_lines(const std::string& path, std::size_t max_lines) {
    TextLines result;
    const File file(std::fopen(native_path(path).c_str(), "rb"));
    if (!file) {
        result.error = last_errno();
        return result;
    }
    std::string text;
    char buffer[64 * 1024];
    while (const auto count = std::fread(buffer, 1, sizeof buffer, file.get()))
        text.append(buffer, count);
    if (std::ferror(file.get())) {
        result.error = last_errno();
        return result;
    }

    std::size_t start = 0;
    while (start < text.size() && result.lines.size() < max_lines) {
        const auto cr = text.find('\r', start);
        if (cr == std::string::npos) {
            result.lines.push_back(text.substr(start));
            break;
        }
        result.lines.push_back(text.substr(start, cr - start));
        start = cr + 1;
        if (start < text.size() && text[start] == '\n')
            ++start;
    }
    return result;
}

std::error_code append_line(const std::string& path, const std::string& text) {
    const File file(std::fopen(native_path(path).c_str(), "ab"));
    if (!file)
        return last_errno();
    const std::string line = text + "\r\n";
    if (std::fwrite(line.data(), 1, line.size(), file.get()) != line.size() ||
        std::fflush(file.get()) != 0)
        return last_errno();
    return {};
}

} // namespace platform
