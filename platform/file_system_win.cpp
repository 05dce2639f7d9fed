#include "platform/file_reader.h"
#include "platform/file_system.h"
#include "platform/file_system_detail.h"
#include "platform/utf16_win.h"

#include <windows.h>

#include <restartmanager.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <string_view>
#include <thread>
#include <utility>

// Windows is the system's home: its file systems compare names without regard to case
// themselves, and every path goes through the wide functions.
namespace platform {

namespace {

std::error_code last_error() {
    return {static_cast<int>(GetLastError()), std::system_category()};
}

// Done when the call succeeded, else the failure that GetLastError names.
Result<> checked(BOOL succeeded) {
    if (succeeded)
        return {};
    return fail(last_error());
}

DWORD attributes_of(const Path& path) {
    return GetFileAttributesW(wide_path(path).c_str());
}

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() {
        if (valid())
            CloseHandle(handle_);
    }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    HANDLE release() { return std::exchange(handle_, INVALID_HANDLE_VALUE); }
    void reset(HANDLE handle) {
        if (valid())
            CloseHandle(handle_);
        handle_ = handle;
    }

private:
    HANDLE handle_;
};

class Search {
public:
    // The entries of the folder, "." and ".." among them.
    explicit Search(const Path& folder) {
        std::wstring pattern = wide_path(folder);
        if (!pattern.empty() && pattern.back() != L'\\')
            pattern += L'\\';
        pattern += L'*';
        handle_ = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found_, FindExSearchNameMatch,
                                   nullptr, FIND_FIRST_EX_LARGE_FETCH);
    }
    Search(const Search&) = delete;
    Search& operator=(const Search&) = delete;
    ~Search() {
        if (handle_ != INVALID_HANDLE_VALUE)
            FindClose(handle_);
    }
    bool found() const { return handle_ != INVALID_HANDLE_VALUE; }
    const WIN32_FIND_DATAW& entry() const { return found_; }
    bool next() { return FindNextFileW(handle_, &found_); }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAW found_{};
};

// Whether a call on the file failed because another program holds it for the moment: opened
// without sharing or locked, as a virus scan, a backup or a running game may hold it, or denied
// though the file is neither read-only nor a folder. Waiting mends nothing else.
bool is_held(const std::error_code& error, const std::wstring& file) {
    if (error.category() != std::system_category())
        return false;
    switch (error.value()) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return true;
    case ERROR_ACCESS_DENIED: {
        const DWORD attributes = GetFileAttributesW(file.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES &&
               !(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY));
    }
    default:
        return false;
    }
}

// The programs that have the file open, as the Restart Manager lists them; none where it cannot
// tell.
std::vector<std::string> programs_holding(const std::wstring& file) {
    DWORD session = 0;
    WCHAR key[CCH_RM_SESSION_KEY + 1] = {};
    if (RmStartSession(&session, 0, key) != ERROR_SUCCESS)
        return {};
    std::vector<std::string> programs;
    LPCWSTR files[] = {file.c_str()};
    std::vector<RM_PROCESS_INFO> found(16);
    UINT needed = 0;
    UINT count = static_cast<UINT>(found.size());
    DWORD reasons = 0;
    if (RmRegisterResources(session, 1, files, 0, nullptr, 0, nullptr) == ERROR_SUCCESS &&
        RmGetList(session, &needed, &count, found.data(), &reasons) == ERROR_SUCCESS) {
        for (UINT i = 0; i < count && i < found.size(); ++i) {
            const std::wstring_view name = found[i].strAppName;
            if (!name.empty())
                programs.push_back(narrowed(name));
        }
    }
    RmEndSession(session);
    return programs;
}

// Who holds a file: the programs the system names, or another program.
Message holders(const std::vector<std::string>& programs) {
    if (programs.empty())
        return said("another program");
    Message named = said("%1", programs.front());
    for (std::size_t i = 1; i < programs.size(); ++i)
        named = i + 1 < programs.size() ? said("%1, %2", named, programs[i])
                                        : said("%1 and %2", named, programs[i]);
    return named;
}

// Runs a call on the file, and while another program holds the file, again after growing
// pauses, about two seconds in all; then gives up with a reason that names who holds it and says
// what to do. Every write of the game's and the library's files, and every read for one, goes
// through here.
Result<> patiently(const std::wstring& file, const std::function<Result<>()>& call) {
    constexpr auto first_pause = std::chrono::milliseconds(30);
    constexpr int pauses = 6; // 30 ms doubling to 960 ms: 1.9 s in all
    auto done = call();
    auto pause = first_pause;
    for (int i = 0; i < pauses && !done && is_held(done.error(), file); ++i, pause *= 2) {
        std::this_thread::sleep_for(pause);
        done = call();
    }
    if (done || !is_held(done.error(), file))
        return done;
    std::wstring_view shown = file;
    if (shown.starts_with(L"\\\\?\\"))
        shown.remove_prefix(4);
    return Failure{{},
                   done.error(),
                   said("%1 is held open by %2; close it and try again", narrowed(shown),
                        holders(programs_holding(file)))};
}

// Opens the file into the handle, waiting while another program holds it.
Result<> open_patiently(const std::wstring& file, DWORD access, DWORD share, DWORD disposition,
                        DWORD flags, Handle& handle) {
    return patiently(file, [&]() -> Result<> {
        handle.reset(
            CreateFileW(file.c_str(), access, share, nullptr, disposition, flags, nullptr));
        return checked(handle.valid());
    });
}

// A move, waiting while another program holds the file it concerns.
Result<> move_patiently(const std::wstring& from, const std::wstring& to, DWORD flags,
                        const std::wstring& held) {
    return patiently(held, [&] { return checked(MoveFileExW(from.c_str(), to.c_str(), flags)); });
}

constexpr DWORD share_all = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Opens a file for reading only when it is an ordinary file on a disk: a folder, a device or a
// pipe is refused before anything is read from it.
Result<> open_ordinary_file(const Path& path, Handle& file) {
    const DWORD attributes = attributes_of(path);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return fail(last_error());
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return fail(std::make_error_code(std::errc::is_a_directory));
    Handle opened(INVALID_HANDLE_VALUE);
    if (auto held = open_patiently(wide_path(path), GENERIC_READ, share_all, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, opened);
        !held)
        return held;
    if (GetFileType(opened.get()) != FILE_TYPE_DISK)
        return fail(not_a_file());
    file.reset(opened.release());
    return {};
}

// Removes a file of Tessary's own beside a target, whatever its attributes.
void remove_own_file(const std::wstring& path) {
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path.c_str());
}

// Writes a new staged file for the target, hidden while it is written, from whatever fill writes
// into it; on any failure nothing is left staged.
template <typename Fill> Result<> stage(const Path& target, detail::Flush flush, Fill&& fill) {
    const std::wstring staged = wide_path(staged_path(target));
    remove_own_file(staged); // left by a run that was killed
    Handle out(INVALID_HANDLE_VALUE);
    if (auto made =
            open_patiently(staged, GENERIC_WRITE, 0, CREATE_NEW, FILE_ATTRIBUTE_HIDDEN, out);
        !made)
        return made;
    auto error = fill(out.get());
    if (!error && flush == detail::Flush::now && !FlushFileBuffers(out.get()))
        error = last_error();
    if (!CloseHandle(out.release()) && !error)
        error = last_error();
    if (error)
        DeleteFileW(staged.c_str());
    return detail::outcome(error);
}

std::error_code write_all(HANDLE out, const char* data, std::size_t size) {
    while (size > 0) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1 << 30));
        DWORD written = 0;
        if (!WriteFile(out, data, chunk, &written, nullptr))
            return last_error();
        data += written;
        size -= written;
    }
    return {};
}

std::error_code copy_contents(HANDLE in, HANDLE out) {
    constexpr DWORD buffer_size = 1 << 20;
    const auto buffer = std::make_unique<char[]>(buffer_size);
    for (;;) {
        DWORD count = 0;
        if (!ReadFile(in, buffer.get(), buffer_size, &count, nullptr))
            return last_error();
        if (count == 0)
            return {};
        if (auto error = write_all(out, buffer.get(), count))
            return error;
    }
}

// The staged copy leaves its hidden attribute behind as it takes the target's place.
Result<> unhide_staged(const std::wstring& staged) {
    return checked(SetFileAttributesW(staged.c_str(), FILE_ATTRIBUTE_NORMAL));
}

} // namespace

std::string native_path(const Path& path) {
    std::string native = path.text();
    std::replace(native.begin(), native.end(), '/', '\\');
    // A folder stored with a trailing separator gives two in a row; a UNC path starts with two.
    const auto doubled =
        std::unique(native.begin() + std::min<std::size_t>(native.size(), 2), native.end(),
                    [](char a, char b) { return a == '\\' && b == a; });
    native.erase(doubled, native.end());
    return native;
}

bool exists(const Path& path) {
    return attributes_of(path) != INVALID_FILE_ATTRIBUTES;
}

bool is_folder(const Path& path) {
    const DWORD attributes = attributes_of(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> resolved_folder(const Path& path) {
    const Handle folder(CreateFileW(wide_path(path).c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION information;
    if (!folder.valid() || !GetFileInformationByHandle(folder.get(), &information) ||
        !(information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    const DWORD flags = FILE_NAME_NORMALIZED | VOLUME_NAME_DOS;
    const DWORD length = GetFinalPathNameByHandleW(folder.get(), nullptr, 0, flags);
    std::wstring buffer(length, L'\0');
    const DWORD written = GetFinalPathNameByHandleW(folder.get(), buffer.data(), length, flags);
    if (written == 0 || written >= length)
        return std::nullopt;
    buffer.resize(written);
    // The final path comes in its long form, \\?\C:\... or \\?\UNC\server\...
    std::wstring_view final_path = buffer;
    if (final_path.starts_with(L"\\\\?\\UNC\\"))
        return "\\\\" + narrowed(final_path.substr(8));
    if (final_path.starts_with(L"\\\\?\\"))
        final_path.remove_prefix(4);
    return narrowed(final_path);
}

bool is_listable_folder(const Path& path) {
    return Search(path).found();
}

bool is_ordinary_file(const Path& path) {
    const DWORD attributes = attributes_of(path);
    return attributes != INVALID_FILE_ATTRIBUTES &&
           !(attributes &
             (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

std::vector<FolderEntry> list_folder(const Path& folder) {
    std::vector<FolderEntry> entries;
    Search search(folder);
    if (!search.found())
        return entries;
    do {
        const WIN32_FIND_DATAW& found = search.entry();
        const std::wstring_view name = found.cFileName;
        if (name == L"." || name == L"..")
            continue;
        const DWORD attributes = found.dwFileAttributes;
        entries.push_back({narrowed(name), (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                           (attributes & FILE_ATTRIBUTE_HIDDEN) != 0,
                           (attributes & FILE_ATTRIBUTE_SYSTEM) != 0});
    } while (search.next());
    detail::sort_listing(entries);
    return entries;
}

Result<> create_folder(const Path& path) {
    return checked(CreateDirectoryW(wide_path(path).c_str(), nullptr));
}

Result<> remove_empty_folder(const Path& path) {
    return checked(RemoveDirectoryW(wide_path(path).c_str()));
}

Result<> detail::stage_copied(const Path& from, const Path& target, Flush flush) {
    Handle in(INVALID_HANDLE_VALUE);
    if (auto opened = open_ordinary_file(from, in); !opened)
        return opened;
    return stage(target, flush, [&in](HANDLE out) { return copy_contents(in.get(), out); });
}

Result<> put_staged_as_new(const Path& target) {
    const std::wstring staged = wide_path(staged_path(target));
    if (auto unhidden = unhide_staged(staged); !unhidden)
        return unhidden;
    return move_patiently(staged, wide_path(target), MOVEFILE_WRITE_THROUGH, staged);
}

Result<> put_staged_in_place(const Path& target) {
    const std::wstring staged = wide_path(staged_path(target));
    if (auto unhidden = unhide_staged(staged); !unhidden)
        return unhidden;
    // Windows refuses to replace a read-only file; the game's own may be one.
    const std::wstring wide_target = wide_path(target);
    const DWORD attributes = GetFileAttributesW(wide_target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        SetFileAttributesW(wide_target.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    return move_patiently(staged, wide_target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH,
                          wide_target);
}

void discard_staged(const Path& target) {
    remove_own_file(wide_path(staged_path(target)));
}

// A file held open by a running game cannot be renamed: the change fails before it begins.
Result<> set_aside(const Path& target) {
    const std::wstring wide_target = wide_path(target);
    return move_patiently(wide_target, wide_path(kept_path(target)), MOVEFILE_WRITE_THROUGH,
                          wide_target);
}

bool is_kept(const Path& target) {
    const DWORD attributes = attributes_of(kept_path(target));
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

Result<> put_back(const Path& target) {
    const std::wstring wide_target = wide_path(target);
    return move_patiently(wide_path(kept_path(target)), wide_target,
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH, wide_target);
}

void discard_kept(const Path& target) {
    remove_own_file(wide_path(kept_path(target)));
}

Result<> delete_file(const Path& path) {
    const std::wstring wide = wide_path(path);
    return patiently(wide, [&] { return checked(DeleteFileW(wide.c_str())); });
}

Result<> rename_file(const Path& from, const Path& to) {
    const std::wstring wide_from = wide_path(from);
    return move_patiently(wide_from, wide_path(to), MOVEFILE_WRITE_THROUGH, wide_from);
}

Result<> append_to_file(const Path& path, std::string_view text) {
    Handle file(INVALID_HANDLE_VALUE);
    if (auto opened = open_patiently(wide_path(path), FILE_APPEND_DATA, FILE_SHARE_READ,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, file);
        !opened)
        return opened;
    if (auto error = write_all(file.get(), text.data(), text.size()))
        return fail(error);
    return checked(FlushFileBuffers(file.get()));
}

// Each file is flushed on its own; renames are written through to the disk as they are made, so
// a folder has nothing left to flush.
Result<> flush_to_disk(const std::vector<Path>& paths) {
    for (const auto& path : paths) {
        const DWORD attributes = attributes_of(path);
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            continue;
        Handle file(INVALID_HANDLE_VALUE);
        if (auto opened = open_patiently(wide_path(path), GENERIC_WRITE, share_all, OPEN_EXISTING,
                                         FILE_ATTRIBUTE_NORMAL, file);
            !opened)
            return opened;
        if (!FlushFileBuffers(file.get()))
            return fail(last_error());
    }
    return {};
}

Result<> flush_folder(const Path&) {
    return {};
}

Result<> remove_own_folder(const Path& folder) {
    // The paths within are built from it, and may pass the classic limit where it does not.
    const std::wstring top = extended_path(wide_path(folder));
    const DWORD attributes = GetFileAttributesW(top.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_PATH_NOT_FOUND
                   ? Result<>()
                   : fail(last_error());
    // A junction or a link to a folder in the folder's place: only the link goes.
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return checked(attributes & FILE_ATTRIBUTE_DIRECTORY ? RemoveDirectoryW(top.c_str())
                                                             : DeleteFileW(top.c_str()));
    // Depth first without recursion: a folder's entries go before the folder, and a link among
    // them, to a folder or a file, is removed as a link.
    struct Pending {
        std::wstring path;
        bool emptied;
    };
    std::vector<Pending> pending{{top, false}};
    constexpr std::size_t deepest = 64; // far deeper than anything Tessary makes
    while (!pending.empty()) {
        if (pending.back().emptied) {
            if (!RemoveDirectoryW(pending.back().path.c_str()))
                return fail(last_error());
            pending.pop_back();
            continue;
        }
        pending.back().emptied = true;
        const std::wstring at = pending.back().path;
        WIN32_FIND_DATAW found{};
        const HANDLE search = FindFirstFileExW((at + L"\\*").c_str(), FindExInfoBasic, &found,
                                               FindExSearchNameMatch, nullptr, 0);
        if (search == INVALID_HANDLE_VALUE)
            continue;
        do {
            const std::wstring_view name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring path = at + L'\\' + std::wstring(name);
            const DWORD kind = found.dwFileAttributes;
            if ((kind & FILE_ATTRIBUTE_DIRECTORY) && !(kind & FILE_ATTRIBUTE_REPARSE_POINT)) {
                if (pending.size() >= deepest) {
                    FindClose(search);
                    return fail(std::make_error_code(std::errc::too_many_links));
                }
                pending.push_back({path, false});
                continue;
            }
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (!(kind & FILE_ATTRIBUTE_DIRECTORY ? RemoveDirectoryW(path.c_str())
                                                  : DeleteFileW(path.c_str()))) {
                FindClose(search);
                return fail(last_error());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    return {};
}

Result<> check_readable(const Path& path) {
    Handle file(INVALID_HANDLE_VALUE);
    return open_ordinary_file(path, file);
}

Result<> check_writable(const Path& path) {
    const DWORD attributes = attributes_of(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return fail(std::error_code(ERROR_ACCESS_DENIED, std::system_category()));
    return {};
}

Result<> detail::stage_written(const Path& target, Flush flush,
                               const std::function<std::error_code(const Write& write)>& fill) {
    return stage(target, flush, [&fill](HANDLE out) {
        return fill([out](auto bytes) { return write_all(out, bytes.data(), bytes.size()); });
    });
}

Result<FileReader> FileReader::open(const Path& path) {
    Handle file(INVALID_HANDLE_VALUE);
    if (auto opened = open_ordinary_file(path, file); !opened)
        return opened.failure();
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size))
        return fail(last_error());
    return FileReader(reinterpret_cast<std::intptr_t>(file.release()),
                      static_cast<std::uint64_t>(size.QuadPart));
}

FileReader::FileReader(FileReader&& other) noexcept
    : handle_(std::exchange(other.handle_, reinterpret_cast<std::intptr_t>(INVALID_HANDLE_VALUE))),
      size_(other.size_) {}

FileReader& FileReader::operator=(FileReader&& other) noexcept {
    std::swap(handle_, other.handle_);
    std::swap(size_, other.size_);
    return *this;
}

FileReader::~FileReader() {
    if (reinterpret_cast<HANDLE>(handle_) != INVALID_HANDLE_VALUE)
        CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

Result<std::size_t> FileReader::read(void* buffer, std::size_t size) {
    DWORD count = 0;
    const auto wanted = static_cast<DWORD>(std::min<std::size_t>(size, 1 << 30));
    if (!ReadFile(reinterpret_cast<HANDLE>(handle_), buffer, wanted, &count, nullptr))
        return fail(last_error());
    return static_cast<std::size_t>(count);
}

Result<std::size_t> FileReader::read_at(std::uint64_t offset, void* buffer, std::size_t size) {
    // A synchronous handle read at an offset given with it; the end of the file is no error.
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD count = 0;
    const auto wanted = static_cast<DWORD>(std::min<std::size_t>(size, 1 << 30));
    if (!ReadFile(reinterpret_cast<HANDLE>(handle_), buffer, wanted, &count, &at) &&
        GetLastError() != ERROR_HANDLE_EOF)
        return fail(last_error());
    return static_cast<std::size_t>(count);
}

Result<> FileReader::seek(std::uint64_t position) {
    LARGE_INTEGER distance;
    distance.QuadPart = static_cast<LONGLONG>(position);
    return checked(
        SetFilePointerEx(reinterpret_cast<HANDLE>(handle_), distance, nullptr, FILE_BEGIN));
}

} // namespace platform
