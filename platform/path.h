#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace platform {

// A path in the system's own form: pieces joined with backslashes, a drive letter or a native
// folder at its front, held in the system's 8-bit encoding. Names are joined exactly as they
// stand (a game directory stored with a trailing backslash gives a doubled one, as it always
// has); only the file system turns a Path into a native one.
class Path {
public:
    Path() = default;
    explicit Path(std::string text) : text_(std::move(text)) {}

    const std::string& text() const { return text_; }
    bool empty() const { return text_.empty(); }

    // The name after the last separator.
    std::string_view file_name() const {
        const auto separator = text_.find_last_of("\\/");
        return std::string_view(text_).substr(separator == std::string::npos ? 0 : separator + 1);
    }

    friend Path operator/(const Path& folder, std::string_view name) {
        return Path(folder.text_ + '\\' + std::string(name));
    }
    friend bool operator==(const Path&, const Path&) = default;

private:
    std::string text_;
};

} // namespace platform
