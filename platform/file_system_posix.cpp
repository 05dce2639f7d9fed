#include "platform/file_system.h"
#include "platform/file_system_detail.h"
#include "platform/wine_prefix.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <string_view>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

std::error_code last_errno() {
    return {errno, std::generic_category()};
}

bool present(const std::string& native) {
    struct stat info;
    return stat(native.c_str(), &info) == 0;
}

bool same_ignoring_case(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};
using Dir = std::unique_ptr<DIR, DirCloser>;

// The name in the folder that equals name without regard to case.
std::optional<std::string> find_ignoring_case(const std::string& folder, std::string_view name) {
    const Dir dir(opendir(folder.empty() ? "." : folder.c_str()));
    if (!dir)
        return std::nullopt;
    while (const dirent* entry = readdir(dir.get())) {
        if (same_ignoring_case(entry->d_name, name))
            return std::string(entry->d_name);
    }
    return std::nullopt;
}

// Each name of the path that does not exist as spelt is looked up without regard to case; the
// first that is not found at all ends the lookup, and the rest is kept as written.
std::string resolve_case(const std::string& path) {
    if (path.empty() || present(path))
        return path;

    const bool absolute = path.front() == '/';
    std::string resolved = absolute ? "/" : "";
    bool lost = false;
    std::size_t start = 0;
    while (start < path.size()) {
        auto end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        const std::string_view part(path.data() + start, end - start);
        start = end + 1;
        if (part.empty())
            continue;

        const std::string folder = resolved;
        if (!resolved.empty() && resolved.back() != '/')
            resolved += '/';
        const auto spelt_at = resolved.size();
        resolved += part;
        if (lost || present(resolved))
            continue;
        if (auto match = find_ignoring_case(folder, part)) {
            resolved.replace(spelt_at, std::string::npos, *match);
        } else {
            lost = true;
        }
    }
    if (path.back() == '/' && resolved.back() != '/')
        resolved += '/';
    return resolved;
}

std::string file_name_of(const std::string& native) {
    auto end = native.find_last_not_of('/');
    if (end == std::string::npos)
        return {};
    const auto slash = native.rfind('/', end);
    return native.substr(slash == std::string::npos ? 0 : slash + 1,
                         end - (slash == std::string::npos ? 0 : slash + 1) + 1);
}

bool is_hidden_name(std::string_view name) {
    return !name.empty() && name.front() == '.';
}

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

// Copies from the current offsets to the end: the kernel's copy first, plain reads and writes
// where the file systems cannot do that.
std::error_code copy_contents(int in, int out) {
    bool kernel_copy = true;
    while (kernel_copy) {
        const auto copied = copy_file_range(in, nullptr, out, nullptr, std::size_t{1} << 30, 0);
        if (copied == 0)
            return {};
        if (copied > 0)
            continue;
        if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP)
            return last_errno();
        kernel_copy = false;
    }
    static constexpr std::size_t buffer_size = 256 * 1024;
    const auto buffer = std::make_unique<char[]>(buffer_size);
    for (;;) {
        const auto count = ::read(in, buffer.get(), buffer_size);
        if (count == 0)
            return {};
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return last_errno();
        }
        for (ssize_t written = 0; written < count;) {
            const auto n = ::write(out, buffer.get() + written, count - written);
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return last_errno();
            }
            written += n;
        }
    }
}

} // namespace

std::string native_path(const std::string& path) {
    std::string native = path;
    std::replace(native.begin(), native.end(), '\\', '/');
    const bool drive = native.size() >= 2 && std::isalpha(static_cast<unsigned char>(native[0])) &&
                       native[1] == ':' && (native.size() == 2 || native[2] == '/');
    if (drive) {
        const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(native[0])));
        native = wine_prefix() + "/dosdevices/" + letter + ':' + native.substr(2);
    }
    return resolve_case(native);
}

bool exists(const std::string& path) {
    return present(native_path(path));
}

bool is_ordinary_file(const std::string& path) {
    const auto native = native_path(path);
    struct stat info;
    return stat(native.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           !is_hidden_name(file_name_of(native));
}

std::vector<FolderEntry> list_folder(const std::string& folder) {
    std::vector<FolderEntry> entries;
    const auto native = native_path(folder);
    const Dir dir(opendir(native.c_str()));
    if (!dir)
        return entries;
    while (const dirent* entry = readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        bool is_folder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK) {
            struct stat info;
            is_folder =
                fstatat(dirfd(dir.get()), entry->d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
        }
        entries.push_back({std::string(name), is_folder, is_hidden_name(name), false});
    }
    detail::sort_listing(entries);
    return entries;
}

std::error_code create_folder(const std::string& path) {
    return ::mkdir(native_path(path).c_str(), 0777) == 0 ? std::error_code{} : last_errno();
}

std::error_code remove_empty_folder(const std::string& path) {
    return ::rmdir(native_path(path).c_str()) == 0 ? std::error_code{} : last_errno();
}

std::error_code copy_file(const std::string& from, const std::string& to) {
    const Fd in(::open(native_path(from).c_str(), O_RDONLY | O_CLOEXEC));
    if (in.get() < 0)
        return last_errno();
    struct stat info;
    if (fstat(in.get(), &info) != 0)
        return last_errno();
    if (S_ISDIR(info.st_mode))
        return std::make_error_code(std::errc::is_a_directory);

    const auto target = native_path(to);
    Fd out(::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (out.get() < 0)
        return last_errno();
    auto error = copy_contents(in.get(), out.get());
    if (::close(out.release()) != 0 && !error)
        error = last_errno();
    if (error)
        ::unlink(target.c_str());
    return error;
}

std::error_code delete_file(const std::string& path) {
    return ::unlink(native_path(path).c_str()) == 0 ? std::error_code{} : last_errno();
}

std::error_code rename_file(const std::string& from, const std::string& to) {
    const auto source = native_path(from);
    const auto target = native_path(to);
    if (::renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
        return {};
    if (errno != EINVAL && errno != ENOSYS)
        return last_errno();
    // File systems without the no-replace rename: a hard link refuses an existing name too.
    if (::link(source.c_str(), target.c_str()) != 0)
        return last_errno();
    ::unlink(source.c_str());
    return {};
}

std::error_code check_readable(const std::string& path) {
    const Fd file(::open(native_path(path).c_str(), O_RDONLY | O_CLOEXEC));
    return file.get() < 0 ? last_errno() : std::error_code{};
}

} // namespace platform
