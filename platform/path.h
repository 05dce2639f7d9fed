#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace platform {

// A path of the game or the library: a drive letter or a native folder at its front, then names
// joined with "/", in UTF-8. Names are joined exactly as they stand, so a game directory stored
// with a trailing backslash gives a separator twice, which the file systems take as one; only the
// file system turns a Path into a native one.
class Path {
public:
    Path() = default;
    explicit Path(std::string text) : text_(std::move(text)) {}

    const std::string& text() const { return text_; }
    bool empty() const { return text_.empty(); }

    // The name after the last separator, either "/" or "\".
    std::string_view file_name() const {
        return std::string_view(text_).substr(text_.size() - name_length());
    }

    // The file name's extension from its last dot on, the dot included (".mdl"); empty where the
    // name has no dot but at its front, as a hidden name such as ".changes" has none.
    std::string_view extension() const {
        const auto name = file_name();
        const auto dot = name.rfind('.');
        return dot == std::string_view::npos || dot == 0 ? std::string_view() : name.substr(dot);
    }

    // The file name without its extension.
    std::string_view stem() const {
        const auto name = file_name();
        return name.substr(0, name.size() - extension().size());
    }

    // The path without its last name and the separator before it; empty for a bare name.
    Path folder() const {
        const auto length = text_.size() - name_length();
        return Path(text_.substr(0, length > 0 ? length - 1 : 0));
    }

    friend Path operator/(const Path& folder, std::string_view name) {
        return Path(folder.text_ + '/' + std::string(name));
    }
    friend bool operator==(const Path&, const Path&) = default;

private:
    std::size_t name_length() const {
        const auto separator = text_.find_last_of("\\/");
        return separator == std::string::npos ? text_.size() : text_.size() - separator - 1;
    }

    std::string text_;
};

} // namespace platform
