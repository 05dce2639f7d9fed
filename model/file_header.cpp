#include "model/file_header.h"

#include <algorithm>

namespace model {

void check_file_header(const FileBytes& file, FileKind kind) {
    const bool group = kind == FileKind::group;
    const std::uint64_t size = group ? layout::group_header::size : layout::header::size;
    const char* id = group ? layout::group_id : layout::main_id;
    const auto bytes = file.bytes();
    if (bytes.size() < size || !std::equal(id, id + 4, bytes.begin())) {
        if (kind == FileKind::main)
            throw Refusal{"not a model file"};
        throw Refusal{file.label() + (group ? " is not a sequence group file"
                                            : " is not a texture file of a model")};
    }
    const std::int32_t version = file.i32(layout::header::version);
    if (version != layout::version) {
        if (kind == FileKind::main)
            throw Refusal{"model version " + std::to_string(version) + " is not supported"};
        throw Refusal{file.label() + " has version " + std::to_string(version) +
                      ", which is not supported"};
    }
    const std::int32_t length = file.i32(layout::header::length);
    if (length > 0 && static_cast<std::uint64_t>(length) > file.size())
        file.damaged("it ends after " + std::to_string(file.size()) + " of its " +
                     std::to_string(length) + " bytes");
}

} // namespace model
