#include "platform/file_reader.h"
#include "platform/file_system.h"
#include "platform/file_system_detail.h"
#include "platform/names.h"
#include "platform/wine_prefix.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// A file-size limit is an error to report, like a full disk, rather than a signal that kills
// Tessary in the middle of a copy.
const bool size_limit_reported = [] {
    std::signal(SIGXFSZ, SIG_IGN);
    return true;
}();

std::error_code last_errno() {
    return {errno, std::generic_category()};
}

// Done when the call succeeded, else the failure that errno names.
Result<> checked(bool succeeded) {
    if (succeeded)
        return {};
    return fail(last_errno());
}

bool present(const std::string& native) {
    struct stat info;
    return stat(native.c_str(), &info) == 0;
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
    const auto wanted = folded_name(name);
    while (const dirent* entry = readdir(dir.get())) {
        if (folded_name(entry->d_name) == wanted)
            return std::string(entry->d_name);
    }
    return std::nullopt;
}

std::string joined(const std::string& folder, std::string_view name) {
    if (folder.empty())
        return std::string(name);
    return folder.back() == '/' ? folder + std::string(name) : folder + '/' + std::string(name);
}

// Each name of the path that does not exist as spelt is looked up without regard to case, from
// the last folder that does; a name that is not found at all is kept as written, and so is the
// rest of the path after it.
std::string resolve_case(const std::string& path) {
    if (path.empty() || present(path))
        return path;
    auto end = path.find_last_not_of('/');
    if (end == std::string::npos)
        return path;
    const auto slash = path.rfind('/', end);
    const std::string_view name(path.data() + (slash == std::string::npos ? 0 : slash + 1),
                                end - (slash == std::string::npos ? 0 : slash + 1) + 1);
    const std::string folder = slash == std::string::npos ? std::string()
                               : slash == 0               ? std::string("/")
                                                          : resolve_case(path.substr(0, slash));
    std::string resolved = joined(folder, name);
    if (!present(resolved)) {
        if (auto match = find_ignoring_case(folder, name))
            resolved = joined(folder, *match);
    }
    return resolved + path.substr(end + 1);
}

// The staged copy of a target, beside it: only the target's own path is looked up, as the staged
// name is Tessary's own.
std::string native_staged_path(const Path& target) {
    const auto native = native_path(target);
    const auto slash = native.rfind('/');
    const auto folder = slash == std::string::npos ? std::string() : native.substr(0, slash + 1);
    return folder + staged_path(Path(native.substr(folder.size()))).text();
}

// The kept file of a target, beside it under the target's name as Tessary spells it, so that it
// is found again whether or not the target's own name still stands.
std::string native_kept_path(const Path& target) {
    return joined(native_path(target.folder()),
                  kept_path(Path(std::string(target.file_name()))).text());
}

bool is_hidden_name(std::string_view name) {
    return !name.empty() && name.front() == '.';
}

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(Fd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Fd(const Fd&) = delete;
    Fd& operator=(Fd&& other) noexcept {
        std::swap(fd_, other.fd_);
        return *this;
    }
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

// Opens a file for reading without ever blocking on a pipe or device, and only when it is an
// ordinary file.
std::error_code open_ordinary_file(const Path& path, Fd& file, struct stat& info) {
    file = Fd(::open(native_path(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0)
        return last_errno();
    if (fstat(file.get(), &info) != 0)
        return last_errno();
    if (S_ISDIR(info.st_mode))
        return std::make_error_code(std::errc::is_a_directory);
    if (!S_ISREG(info.st_mode))
        return not_a_file();
    return {};
}

// Writes a new staged file for the target, from whatever fill writes into it; on any failure
// nothing is left staged.
template <typename Fill>
std::error_code stage(const Path& target, detail::Flush flush, Fill&& fill) {
    const auto staged = native_staged_path(target);
    const auto create = [&staged] {
        return Fd(::open(staged.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    };
    Fd out = create();
    if (out.get() < 0 && errno == EEXIST && ::unlink(staged.c_str()) == 0)
        out = create(); // left by a run that was killed
    if (out.get() < 0)
        return last_errno();
    auto error = fill(out.get());
    if (!error && flush == detail::Flush::now && ::fdatasync(out.get()) != 0)
        error = last_errno();
    if (::close(out.release()) != 0 && !error)
        error = last_errno();
    if (error)
        ::unlink(staged.c_str());
    return error;
}

std::error_code write_all(int out, std::string_view content) {
    while (!content.empty()) {
        const auto written = ::write(out, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return last_errno();
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

// Renames without replacing what is there.
std::error_code rename_native(const std::string& source, const std::string& target) {
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

} // namespace

std::string native_path(const Path& path) {
    std::string native = path.text();
    std::replace(native.begin(), native.end(), '\\', '/');
    const bool drive = native.size() >= 2 && std::isalpha(static_cast<unsigned char>(native[0])) &&
                       native[1] == ':' && (native.size() == 2 || native[2] == '/');
    if (drive) {
        const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(native[0])));
        native = wine_prefix() + "/dosdevices/" + letter + ':' + native.substr(2);
    }
    return resolve_case(native);
}

bool exists(const Path& path) {
    return present(native_path(path));
}

bool is_folder(const Path& path) {
    struct stat info;
    return stat(native_path(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::optional<std::string> resolved_folder(const Path& path) {
    const std::unique_ptr<char, decltype(&std::free)> resolved(
        realpath(native_path(path).c_str(), nullptr), &std::free);
    struct stat info;
    if (!resolved || stat(resolved.get(), &info) != 0 || !S_ISDIR(info.st_mode))
        return std::nullopt;
    return std::string(resolved.get());
}

bool is_listable_folder(const Path& path) {
    return Dir(opendir(native_path(path).c_str())) != nullptr;
}

bool is_ordinary_file(const Path& path) {
    const auto native = native_path(path);
    struct stat info;
    return stat(native.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           !is_hidden_name(Path(native).file_name());
}

std::vector<FolderEntry> list_folder(const Path& folder) {
    std::vector<FolderEntry> entries;
    const Dir dir(opendir(native_path(folder).c_str()));
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

Result<> create_folder(const Path& path) {
    return checked(::mkdir(native_path(path).c_str(), 0777) == 0);
}

Result<> remove_empty_folder(const Path& path) {
    return checked(::rmdir(native_path(path).c_str()) == 0);
}

Result<> detail::stage_copied(const Path& from, const Path& target, Flush flush) {
    Fd in(-1);
    struct stat info;
    if (auto error = open_ordinary_file(from, in, info))
        return fail(error);
    return detail::outcome(
        stage(target, flush, [&in](int out) { return copy_contents(in.get(), out); }));
}

Result<> put_staged_as_new(const Path& target) {
    return detail::outcome(rename_native(native_staged_path(target), native_path(target)));
}

Result<> put_staged_in_place(const Path& target) {
    return checked(::rename(native_staged_path(target).c_str(), native_path(target).c_str()) == 0);
}

void discard_staged(const Path& target) {
    ::unlink(native_staged_path(target).c_str());
}

Result<> set_aside(const Path& target) {
    const auto native = native_path(target);
    const auto kept = native_kept_path(target);
    if (::link(native.c_str(), kept.c_str()) == 0)
        return {};
    // A file system without hard links, or a file that may not have another: it moves aside.
    if (errno != EPERM && errno != EOPNOTSUPP && errno != EMLINK)
        return fail(last_errno());
    return detail::outcome(rename_native(native, kept));
}

bool is_kept(const Path& target) {
    struct stat info;
    return ::lstat(native_kept_path(target).c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

Result<> put_back(const Path& target) {
    const auto kept = native_kept_path(target);
    if (::rename(kept.c_str(), native_path(target).c_str()) != 0)
        return fail(last_errno());
    // Where the target still was the kept file under its other name, the rename left both.
    ::unlink(kept.c_str());
    return {};
}

void discard_kept(const Path& target) {
    ::unlink(native_kept_path(target).c_str());
}

Result<> delete_file(const Path& path) {
    return checked(::unlink(native_path(path).c_str()) == 0);
}

Result<> rename_file(const Path& from, const Path& to) {
    return detail::outcome(rename_native(native_path(from), native_path(to)));
}

Result<> append_to_file(const Path& path, std::string_view text) {
    Fd file(::open(native_path(path).c_str(), O_WRONLY | O_APPEND | O_CLOEXEC | O_NOFOLLOW));
    if (file.get() < 0)
        return fail(last_errno());
    if (auto error = write_all(file.get(), text))
        return fail(error);
    return checked(::fdatasync(file.get()) == 0);
}

// Every file's writing to the disk is started first, so that the blocks of all of them are given
// out before the first flush commits the file system's journal; each flush after it then waits
// for its own data alone. (A flush of the whole file system would wait for whatever anyone else
// is writing there too.)
Result<> flush_to_disk(const std::vector<Path>& paths) {
    constexpr std::size_t open_at_once = 256; // well within any limit of open files
    for (std::size_t first = 0; first < paths.size(); first += open_at_once) {
        std::vector<Fd> files;
        for (std::size_t i = first; i < std::min(paths.size(), first + open_at_once); ++i) {
            files.emplace_back(
                ::open(native_path(paths[i]).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
            if (files.back().get() < 0)
                return fail(last_errno());
            ::sync_file_range(files.back().get(), 0, 0, SYNC_FILE_RANGE_WRITE);
        }
        for (const auto& file : files) {
            if (::fsync(file.get()) != 0)
                return fail(last_errno());
        }
    }
    return {};
}

Result<> flush_folder(const Path& folder) {
    const Fd dir(::open(native_path(folder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() < 0)
        return fail(last_errno());
    return checked(::fsync(dir.get()) == 0);
}

Result<> remove_own_folder(const Path& folder) {
    const auto native = native_path(folder);
    struct stat info;
    if (::lstat(native.c_str(), &info) != 0)
        return errno == ENOENT ? Result<>() : fail(last_errno());
    if (!S_ISDIR(info.st_mode))
        return checked(::unlink(native.c_str()) == 0); // a link (or a file) in the folder's place
    // Depth first without recursion: each folder open while its entries go, then removed from
    // the one above it. Every name is looked at without following it.
    struct Open {
        Dir dir;
        std::string name; // in the folder above; empty for the folder itself
    };
    std::vector<Open> open;
    const int top = ::open(native.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (top < 0)
        return fail(last_errno());
    open.push_back({Dir(::fdopendir(top)), {}});
    if (!open.back().dir) {
        ::close(top);
        return fail(last_errno());
    }
    while (!open.empty()) {
        DIR* dir = open.back().dir.get();
        const int at = dirfd(dir);
        errno = 0;
        const dirent* entry = readdir(dir);
        if (!entry) {
            if (errno != 0)
                return fail(last_errno());
            const std::string name = std::move(open.back().name);
            open.pop_back();
            if (open.empty())
                return checked(::rmdir(native.c_str()) == 0);
            if (::unlinkat(dirfd(open.back().dir.get()), name.c_str(), AT_REMOVEDIR) != 0)
                return fail(last_errno());
            continue;
        }
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        if (::fstatat(at, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
            return fail(last_errno());
        if (!S_ISDIR(info.st_mode)) {
            if (::unlinkat(at, entry->d_name, 0) != 0)
                return fail(last_errno());
            continue;
        }
        constexpr std::size_t deepest = 64; // far deeper than anything Tessary makes
        if (open.size() >= deepest)
            return fail(std::make_error_code(std::errc::too_many_links));
        const int inner =
            ::openat(at, entry->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (inner < 0)
            return fail(last_errno());
        Dir opened(::fdopendir(inner));
        if (!opened) {
            ::close(inner);
            return fail(last_errno());
        }
        open.push_back({std::move(opened), std::string(name)});
    }
    return {};
}

Result<> check_readable(const Path& path) {
    Fd file(-1);
    struct stat info;
    return detail::outcome(open_ordinary_file(path, file, info));
}

Result<> check_writable(const Path& path) {
    const auto native = native_path(path);
    return checked(::access(native.c_str(), F_OK) != 0 ||
                   ::faccessat(AT_FDCWD, native.c_str(), W_OK, AT_EACCESS) == 0);
}

Result<> detail::stage_written(const Path& target, Flush flush,
                               const std::function<std::error_code(const Write& write)>& fill) {
    return detail::outcome(stage(target, flush, [&fill](int out) {
        return fill([out](auto bytes) { return write_all(out, bytes); });
    }));
}

Result<FileReader> FileReader::open(const Path& path) {
    Fd file(-1);
    struct stat info;
    if (auto error = open_ordinary_file(path, file, info))
        return fail(error);
    return FileReader(file.release(), static_cast<std::uint64_t>(info.st_size));
}

FileReader::FileReader(FileReader&& other) noexcept
    : handle_(std::exchange(other.handle_, -1)), size_(other.size_) {}

FileReader& FileReader::operator=(FileReader&& other) noexcept {
    std::swap(handle_, other.handle_);
    std::swap(size_, other.size_);
    return *this;
}

FileReader::~FileReader() {
    if (handle_ >= 0)
        ::close(static_cast<int>(handle_));
}

Result<std::size_t> FileReader::read(void* buffer, std::size_t size) {
    for (;;) {
        const auto count = ::read(static_cast<int>(handle_), buffer, size);
        if (count >= 0)
            return static_cast<std::size_t>(count);
        if (errno != EINTR)
            return fail(last_errno());
    }
}

Result<std::size_t> FileReader::read_at(std::uint64_t offset, void* buffer, std::size_t size) {
    for (;;) {
        const auto count =
            ::pread(static_cast<int>(handle_), buffer, size, static_cast<off_t>(offset));
        if (count >= 0)
            return static_cast<std::size_t>(count);
        if (errno != EINTR)
            return fail(last_errno());
    }
}

Result<> FileReader::seek(std::uint64_t position) {
    return checked(::lseek(static_cast<int>(handle_), static_cast<off_t>(position), SEEK_SET) >= 0);
}

} // namespace platform
