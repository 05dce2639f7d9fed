#include "archive/archive_file.h"

#include "archive/reader.h"
#include "archive/said.h"
#include "archive/shown_names.h"
#include "platform/file_system.h"
#include "platform/names.h"

#include <algorithm>
#include <set>

namespace archive {

using platform::fail;

namespace {

// As names fold, in capitals.
constexpr std::string_view archive_extensions[] = {".ZIP", ".RAR", ".7Z"};

// Each file would take a name of its own in the folder, one not taken yet.
Result<> check_targets(const std::vector<Entry>& chosen, const Path& folder) {
    std::set<std::string> names;
    for (const auto& file : chosen) {
        const auto target = folder / file.name();
        if (!names.insert(platform::folded_name(file.name())).second)
            return fail(
                said("Two of the chosen files would both be %1.", platform::native_path(target)));
        if (platform::exists(target))
            return fail(said("%1 exists already.", platform::native_path(target)));
    }
    return {};
}

} // namespace

bool is_archive_name(std::string_view file_name) {
    const auto folded = platform::folded_name(file_name);
    return std::any_of(std::begin(archive_extensions), std::end(archive_extensions),
                       [&folded](std::string_view extension) {
                           return folded.size() > extension.size() && folded.ends_with(extension);
                       });
}

Result<Listing> list(const Path& archive) {
    auto input = FileInput::open(archive);
    return input ? list(*input) : input.failure();
}

Result<std::vector<Path>> extract(const Path& archive, const std::vector<Entry>& chosen,
                                  const Path& folder) {
    if (auto free = check_targets(chosen, folder); !free)
        return free.failure();
    auto input = FileInput::open(archive);
    if (!input)
        return input.failure();
    std::vector<Path> made;
    auto extracted =
        read_files(*input, chosen, [&](const Entry& file, const platform::Pieces& content) {
            const auto target = folder / file.name();
            auto written = platform::write_new_file(target, content);
            if (written)
                made.push_back(target);
            else if (written.error())
                written.tell(said("%1 in %2 could not be extracted to %3: %4.",
                                  shown_name(file.path), input->name(),
                                  platform::native_path(target), written.why()));
            return written;
        });
    if (!extracted) {
        std::for_each(made.rbegin(), made.rend(),
                      [](const Path& file) { (void)platform::delete_file(file); });
        return extracted.failure();
    }
    // The files are made in the archive's order; they are given back in the order chosen.
    std::vector<Path> in_order;
    for (const auto& file : chosen)
        in_order.push_back(folder / file.name());
    return in_order;
}

} // namespace archive
