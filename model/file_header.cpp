#include "model/file_header.h"

#include "model/studio_kind.h"

namespace model {

void check_file_header(const FileBytes& file, FileKind kind) {
    const StudioHeader header = classify(file.bytes());
    const bool group = kind == FileKind::group;
    if (!header.whole || (group ? header.kind != StudioKind::group_file : !header.of_a_model())) {
        if (kind == FileKind::main)
            throw Refusal{"not a model file"};
        throw Refusal{file.label() + (group ? " is not a sequence group file"
                                            : " is not a texture file of a model")};
    }
    const std::int32_t version = *header.version; // a whole header holds it
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
