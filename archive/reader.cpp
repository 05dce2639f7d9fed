#include "archive/reader.h"

#include "archive/entry_names.h"
#include "archive/libarchive.h"
#include "archive/said.h"
#include "archive/shown_names.h"
#include "platform/file_names.h"
#include "platform/utf8_locale.h"

#include <algorithm>
#include <cerrno>
#include <map>
#include <memory>

namespace archive {

namespace {

using platform::fail;
using platform::Failure;

// How much of the archive is read at a time, and how much of a file's content is handed out.
constexpr std::size_t piece_size = 64 * 1024;

// How many left-out entries a listing's text names; a message box holds no more.
constexpr std::size_t shown_left_out = 30;

// Why an entry is left out.
constexpr const char* unnamed = platform::to_say("its name cannot be read");
constexpr const char* absolute = platform::to_say("its path is absolute");
constexpr const char* leads_out =
    platform::to_say("its path leads outside the folder it would be extracted to");
constexpr const char* link = platform::to_say("it is a link");
constexpr const char* not_a_file = platform::to_say("it is not an ordinary file");
constexpr const char* nameless = platform::to_say("it has no name");
constexpr const char* protected_file = platform::to_say("it is protected by a password");

std::int64_t in_mb(std::uint64_t size) {
    return static_cast<std::int64_t>(size >> 20);
}

platform::Message more_than_one_extraction(const std::string& archive) {
    return said("The files to take out of %1 are larger than %2 MB together, more than Tessary "
                "takes out at once.",
                archive, in_mb(max_extracted_size));
}

// Which entries of the archive Tessary leaves out and why, a line each, the first
// shown_left_out of them.
platform::Message left_out_text(const std::string& archive, const std::vector<LeftOut>& left_out) {
    platform::Message text = said("Tessary leaves out these files of %1:", archive);
    const auto shown = std::min(left_out.size(), shown_left_out);
    for (std::size_t i = 0; i < shown; ++i)
        text = said("%1\n%2: %3.", text, left_out[i].path, left_out[i].reason);
    if (shown < left_out.size())
        text = said("%1\nAnd %2 more.", text, left_out.size() - shown);
    return text;
}

// What an entry of the archive is to Tessary.
struct Examined {
    enum class Kind { file, folder, left_out } kind;
    std::string path;              // names joined with "/"; as shown when the entry is left out
    platform::Message reason = {}; // why it is left out
};

// A backslash separates names as a slash does; empty names and "." are dropped. Only a regular
// file or a folder whose path stays inside the folder it would be extracted to, and whose names
// Windows allows, is taken. rar5 tells that the archive is a RAR 5 one.
Examined examine(archive_entry* entry, bool rar5) {
    const auto [written, readable] = entry_path(entry);
    std::string raw = written;
    std::replace(raw.begin(), raw.end(), '\\', '/');
    const auto left_out = [&raw](platform::Message reason) {
        return Examined{Examined::Kind::left_out, shown_name(raw), std::move(reason)};
    };
    if (!readable)
        return left_out(said(unnamed));
    if (raw.size() > max_path_length)
        return left_out(said("its path is longer than %1 bytes", max_path_length));
    const bool drive = raw.size() >= 2 && raw[1] == ':' &&
                       ((raw[0] >= 'A' && raw[0] <= 'Z') || (raw[0] >= 'a' && raw[0] <= 'z'));
    if (raw.starts_with('/') || drive)
        return left_out(said(absolute));
    std::string path;
    std::size_t depth = 0;
    for (std::size_t start = 0; start <= raw.size();) {
        const auto end = std::min(raw.find('/', start), raw.size());
        const std::string_view name(raw.data() + start, end - start);
        start = end + 1;
        if (name.empty() || name == ".")
            continue;
        if (name == "..")
            return left_out(said(leads_out));
        if (++depth > max_path_depth)
            return left_out(said("its path is more than %1 levels deep", max_path_depth));
        if (const auto problem = platform::file_name_problem(name))
            return left_out(said("its path holds the name \"%1\", which Windows does not allow: %2",
                                 shown_name(name), *problem));
        path += path.empty() ? std::string(name) : '/' + std::string(name);
    }
    const auto type = archive_entry_filetype(entry);
    if (type == AE_IFDIR)
        return {Examined::Kind::folder, std::move(path)};
    // libarchive's RAR 5 reader gives the redirections it does not follow, junctions and copies
    // of another entry, as regular files without a size or content.
    const bool redirection = rar5 && type == AE_IFREG && !archive_entry_size_is_set(entry);
    if (type == AE_IFLNK || archive_entry_hardlink(entry) || redirection)
        return left_out(said(link));
    if (type != AE_IFREG)
        return left_out(said(not_a_file));
    if (path.empty())
        return left_out(said(nameless));
    if (archive_entry_is_encrypted(entry))
        return left_out(said(protected_file));
    if (archive_entry_size_is_set(entry) &&
        static_cast<std::uint64_t>(archive_entry_size(entry)) > max_file_size)
        return left_out(said("it is larger than %1 MB", in_mb(max_file_size)));
    return {Examined::Kind::file, std::move(path)};
}

// libarchive reading an archive from an input, of the kinds players download and no other.
class Session final {
public:
    explicit Session(Input& input)
        : input_(input), handle_(archive_read_new()), buffer_(std::make_unique<char[]>(piece_size)),
          piece_(std::make_unique<char[]>(piece_size)) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    ~Session() { archive_read_free(handle_); }

    // Zip is read from its central directory at the end, which the seek callback reaches.
    Result<> open() {
        if (!handle_)
            return fail(said("%1 could not be read: there is too little memory.", input_.name()));
        if (!move_to(handle_, 0))
            return unreadable_headers();
        archive_read_support_format_zip_seekable(handle_);
        archive_read_support_format_rar(handle_);
        archive_read_support_format_rar5(handle_);
        archive_read_support_format_7zip(handle_);
        read_legacy_paths(handle_);
        archive_read_set_callback_data(handle_, this);
        archive_read_set_read_callback(handle_, &Session::read);
        archive_read_set_seek_callback(handle_, &Session::seek);
        archive_read_set_skip_callback(handle_, &Session::skip);
        if (archive_read_open1(handle_) != ARCHIVE_OK)
            return unreadable_headers();
        return {};
    }

    // The next entry's header; nullptr after the last one.
    Result<archive_entry*> next() {
        archive_entry* entry = nullptr;
        const int status = archive_read_next_header(handle_, &entry);
        if (status == ARCHIVE_EOF)
            return nullptr;
        if (status < ARCHIVE_WARN)
            return unreadable_headers();
        return entry;
    }

    // What the entry whose header came last is to Tessary.
    Examined examine(archive_entry* entry) const {
        return archive::examine(entry, archive_format(handle_) == ARCHIVE_FORMAT_RAR_V5);
    }

    // The next piece of the content of the entry whose header came last; empty at its end.
    Result<std::string_view> next_piece() {
        const auto count = archive_read_data(handle_, piece_.get(), piece_size);
        if (count < 0)
            return unreadable_content();
        return std::string_view(piece_.get(), static_cast<std::size_t>(count));
    }

private:
    // Why the archive's headers could not be read: a kind that Tessary does not read and a
    // password show there.
    Failure unreadable_headers() const {
        const auto& name = input_.name();
        if (archive_format(handle_) == 0 && unreadable_.empty())
            return fail(said("%1 is not a .zip, .rar or .7z archive that Tessary can read.", name));
        if (archive_read_has_encrypted_entries(handle_) > 0)
            return fail(said("%1 is protected by a password, which Tessary cannot open.", name));
        return unreadable_content();
    }

    Failure unreadable_content() const {
        const char* reason = archive_error_string(handle_);
        return fail(reason ? said("%1 could not be read: %2.", input_.name(), reason)
                           : said("%1 could not be read: it is damaged.", input_.name()));
    }

    // Moves to a position of the input; libarchive is told why when it cannot.
    bool move_to(archive_handle* handle, std::uint64_t position) {
        if (auto moved = input_.seek(position); !moved) {
            unreadable_ = platform::english(moved.why()); // for libarchive, which words in English
            archive_set_error(handle, EIO, "%s", unreadable_.c_str());
            return false;
        }
        position_ = position;
        return true;
    }

    static la_ssize_t read(archive_handle* handle, void* session, const void** buffer) {
        auto& self = *static_cast<Session*>(session);
        auto count = self.input_.read(self.buffer_.get(), piece_size);
        if (!count) {
            self.unreadable_ = platform::english(count.why());
            archive_set_error(handle, EIO, "%s", self.unreadable_.c_str());
            return ARCHIVE_FATAL;
        }
        self.position_ += *count;
        *buffer = self.buffer_.get();
        return static_cast<la_ssize_t>(*count);
    }

    static la_int64_t seek(archive_handle* handle, void* session, la_int64_t offset, int whence) {
        auto& self = *static_cast<Session*>(session);
        const auto size = static_cast<la_int64_t>(self.input_.size());
        const la_int64_t from = whence == SEEK_SET   ? 0
                                : whence == SEEK_CUR ? static_cast<la_int64_t>(self.position_)
                                                     : size;
        if (offset < -from || offset > size - from) {
            archive_set_error(handle, EINVAL, "it points past its own end");
            return ARCHIVE_FATAL;
        }
        return self.move_to(handle, static_cast<std::uint64_t>(from + offset)) ? from + offset
                                                                               : ARCHIVE_FATAL;
    }

    static la_int64_t skip(archive_handle* handle, void* session, la_int64_t request) {
        auto& self = *static_cast<Session*>(session);
        const auto skipped =
            std::min<std::uint64_t>(static_cast<std::uint64_t>(std::max<la_int64_t>(request, 0)),
                                    self.input_.size() - self.position_);
        return self.move_to(handle, self.position_ + skipped) ? static_cast<la_int64_t>(skipped)
                                                              : ARCHIVE_FATAL;
    }

    // Names reach Tessary in UTF-8 whatever the user's locale: in it, libarchive holds them as it
    // reads them.
    platform::Utf8Locale utf8_;
    Input& input_;
    archive_handle* handle_;
    std::unique_ptr<char[]> buffer_; // the archive's bytes, as libarchive reads them
    std::unique_ptr<char[]> piece_;  // a piece of a file's content
    std::uint64_t position_ = 0;
    std::string unreadable_; // why the input itself could not be read
};

} // namespace

Result<Listing> list(Input& input) {
    Session session(input);
    if (auto opened = session.open(); !opened)
        return opened.failure();
    std::vector<Entry> files;
    std::vector<std::string> folders;
    std::vector<LeftOut> left_out;
    bool any_protected = false;
    for (std::size_t index = 0;; ++index) {
        auto header = session.next();
        if (!header)
            return header.failure();
        if (!*header)
            break;
        if (index == max_entries)
            return fail(said("%1 holds more than %2 entries, more than Tessary reads.",
                             input.name(), max_entries));
        auto examined = session.examine(*header);
        if (examined.kind == Examined::Kind::file) {
            const auto size = archive_entry_size_is_set(*header) ? archive_entry_size(*header) : 0;
            files.push_back({std::move(examined.path), static_cast<std::uint64_t>(size), index});
        } else if (examined.kind == Examined::Kind::folder) {
            folders.push_back(std::move(examined.path));
        } else {
            any_protected = any_protected || examined.reason.text == protected_file;
            left_out.push_back({std::move(examined.path), std::move(examined.reason)});
        }
    }
    Result<Listing> listing = Listing(std::move(files), folders, std::move(left_out));
    if (any_protected)
        listing.tell(
            said("Tessary cannot read the files of %1 that a password protects.", input.name()));
    if (!listing->left_out().empty())
        listing.tell(left_out_text(input.name(), listing->left_out()));
    return listing;
}

Result<> read_files(Input& input, const std::vector<Entry>& chosen, const Take& take) {
    std::map<std::size_t, const Entry*> wanted;
    std::uint64_t declared = 0;
    for (const auto& file : chosen) {
        wanted.emplace(file.index, &file);
        declared += file.size;
    }
    if (declared > max_extracted_size)
        return fail(more_than_one_extraction(input.name()));
    Session session(input);
    if (auto opened = session.open(); !opened)
        return opened;
    std::uint64_t taken_in_all = 0;
    for (std::size_t index = 0; !wanted.empty(); ++index) {
        auto header = session.next();
        if (!header)
            return header.failure();
        if (!*header)
            break;
        const auto found = wanted.find(index);
        if (found == wanted.end())
            continue;
        const Entry& file = *found->second;
        const auto examined = session.examine(*header);
        if (examined.kind != Examined::Kind::file || examined.path != file.path)
            break;
        // Headers may understate sizes: what comes is counted as it comes.
        std::uint64_t grown = 0;
        auto taken = take(file, [&]() -> Result<std::string_view> {
            auto piece = session.next_piece();
            if (!piece)
                return piece;
            if ((grown += piece->size()) > max_file_size)
                return fail(said("%1 in %2 is larger than %3 MB.", shown_name(file.path),
                                 input.name(), in_mb(max_file_size)));
            if ((taken_in_all += piece->size()) > max_extracted_size)
                return fail(more_than_one_extraction(input.name()));
            return piece;
        });
        if (!taken)
            return taken;
        wanted.erase(found);
    }
    if (!wanted.empty())
        return fail(said("%1 has changed since Tessary listed it: %2 is no longer in it.",
                         input.name(), shown_name(wanted.begin()->second->path)));
    return {};
}

} // namespace archive
