#include "model/companions.h"
#include "model/file_header.h"

namespace model {

platform::Result<GroupFile> read_group_file(std::span<const std::uint8_t> bytes,
                                            std::string_view file_name) {
    return read_refusing([&] {
        const FileBytes file(bytes, said("the file"), layout::group_header::size);
        check_file_header(file, FileKind::group);
        GroupFile group{group_file_owner(file_name)};
        // A group file renamed by hand still names itself as the game loads it.
        if (group.model.empty())
            group.model = group_file_owner(file.text(layout::header::name, layout::name_size));
        return group;
    });
}

} // namespace model
