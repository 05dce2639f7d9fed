#pragma once

#include "platform/path.h"
#include "platform/result.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The file-system operations Tessary needs, on paths in the system's own form. This layer is the
// one place that turns such a path into a native one, and it looks names up without regard to
// case, as the system's home platform does. On Windows, where another program may hold a file
// open without sharing it, a call that fails for that is tried again for about two seconds, and
// then fails with a reason that names who holds the file; Linux lets no program hold a file so.
namespace platform {

// The native form of a path. On Linux every backslash becomes a slash, a drive letter maps into
// the Wine prefix, and each missing name is matched without regard to case.
std::string native_path(const Path& path);

// A file or a folder of that name exists.
bool exists(const Path& path);

bool is_folder(const Path& path);

// The folder's native path with every link resolved, the same for every way of naming one
// folder. Nothing when there is no folder there, or its links lead nowhere (or in a circle).
std::optional<std::string> resolved_folder(const Path& path);

// A folder whose entries can be listed.
bool is_listable_folder(const Path& path);

// An ordinary file: not a folder, neither hidden nor a system file.
bool is_ordinary_file(const Path& path);

// The name of the first ordinary file of a folder, in listing order; nothing when the folder is
// missing or holds none.
std::optional<std::string> first_ordinary_file(const Path& folder);

struct FolderEntry {
    std::string name;
    bool is_folder = false;
    bool is_hidden = false;
    bool is_system = false; // a file of the system's own, which the lists of models leave out
};

// A folder's entries, folders and hidden ones included, without "." and "..", in the platform's
// listing order: by name without regard to case. A missing folder lists nothing.
std::vector<FolderEntry> list_folder(const Path& folder);

// Creates one folder level; its parent must exist.
Result<> create_folder(const Path& path);

// Removes a folder that is empty.
Result<> remove_empty_folder(const Path& path);

// Removes a folder of Tessary's own making with everything in it, as a killed run may have left
// it. A link is never followed: one in the folder is removed as a link, and where the folder
// itself is a link, only the link goes. Nothing there is done already.
Result<> remove_own_folder(const Path& folder);

// Makes the folder's entries as they stand now, the names put in place by renames among them,
// survive a power cut. A file's content is flushed before it takes its name; see write_new_file.
Result<> flush_folder(const Path& folder);

// Makes what was written to the files and folders so far survive a power cut: staged files
// before they take their targets' names, and folders after. Flushing many files together costs
// little more than flushing one.
Result<> flush_to_disk(const std::vector<Path>& paths);

// Hands out a file's content piece by piece: an empty piece at its end, or a failure that says why
// the content cannot be had. A piece stays valid until the next is asked for.
using Pieces = std::function<Result<std::string_view>()>;

// Writes a new file of what pieces hands out, under a name that must not exist yet. Like a copy,
// it is staged beside its target first and flushed to disk before it takes its name; content that
// fails part-way leaves nothing behind, and the failure is the one pieces gave.
Result<> write_new_file(const Path& path, const Pieces& pieces);

// Copies a file whole to a name that must not exist yet. The copy is staged beside the target
// first, so a copy that fails, or a program killed part-way, leaves no target behind. The copy is
// an ordinary writable file, whatever the source is.
Result<> copy_file(const Path& from, const Path& to);

// The hidden name beside a file or folder under which its new content is made, in the same folder
// so that it can take the target's place by a rename.
Path staged_path(const Path& target);

// A copy staged beside its target, under a hidden name, ready to take the target's place once
// flush_to_disk() has flushed it: a stale one left by a killed run is removed first. A copy that
// fails leaves nothing staged.
Result<> stage_copy(const Path& from, const Path& target);

// New content staged beside its target, as stage_copy() stages a copy.
Result<> stage_content(const Path& target, std::string_view content);

// Refuses a file that may not be written to, such as a read-only one; a missing file may be made.
Result<> check_writable(const Path& path);

// Puts the staged copy in place of the target in one step, so that the target is at every moment
// either the old file or the new one, whole. A read-only target is replaced all the same.
Result<> put_staged_in_place(const Path& target);

// Puts the staged copy in place under the target's name, which must be free.
Result<> put_staged_as_new(const Path& target);

// Removes the staged copy of the target, if there is one.
void discard_staged(const Path& target);

// The hidden name beside a file under which the file is kept while a new one takes its place, so
// that it can come back if the change it is part of fails as a whole.
Path kept_path(const Path& target);

// Keeps the target under its kept name, which must be free: a kept file is never replaced, as it
// may be the only copy of what a game file held. Where the file system allows, the target keeps
// its own name too until the new file takes it, so that it is never missing; a target that cannot
// be renamed (held by a running game) fails here.
Result<> set_aside(const Path& target);

// A file, not a folder, stands under the target's kept name, as Tessary spells it.
bool is_kept(const Path& target);

// Puts the kept file back under the target's name, in place of whatever stands there now.
Result<> put_back(const Path& target);

// Removes the kept file of the target, if there is one.
void discard_kept(const Path& target);

Result<> delete_file(const Path& path);

// Renames a file or folder within its file system; the new name must not exist.
Result<> rename_file(const Path& from, const Path& to);

// Appends text to the end of an existing file and flushes it to disk before it returns.
Result<> append_to_file(const Path& path, std::string_view text);

// Opens a file for reading and closes it again: an error when it cannot be read.
Result<> check_readable(const Path& path);

// The reasons for refusing a file that the system itself would read: something other than an
// ordinary file where one should be, or a file larger than the reader takes.
std::error_code not_a_file();
std::error_code too_large();

// Reads the first max_size bytes of an ordinary file, or all of a shorter one.
Result<std::string> read_file_start(const Path& path, std::size_t max_size);

// Reads a whole ordinary file of at most max_size bytes. Anything else where the
// file should be (a folder, a device, a pipe, a larger file) is an error, never a hang.
Result<std::string> read_file(const Path& path, std::size_t max_size);

// Writes a whole file in one step: the content goes beside it first and then takes its place, so
// the file is either as it was or holds the whole new content. A file that may not be written to
// (read-only) is left as it is.
Result<> write_file(const Path& path, std::string_view content);

// A text split into lines: a line ends at CR LF or at a lone CR, never at a lone LF; the end is
// not part of the line, and a last line without an end is still a line. At most max_lines.
std::vector<std::string> split_lines(std::string_view text, std::size_t max_lines);

} // namespace platform
