#include "model/file_header.h"

#include "model/studio_kind.h"

namespace model {

void check_file_header(const FileBytes& file, FileKind kind) {
    const StudioHeader header = classify(file.bytes());
    const bool group = kind == FileKind::group;
    if (!header.whole || (group ? header.kind != StudioKind::group_file : !header.of_a_model())) {
        if (kind == FileKind::main)
            throw Refusal{said("not a model file")};
        throw Refusal{group ? said("%1 is not a sequence group file", file.label())
                            : said("%1 is not a texture file of a model", file.label())};
    }
    const std::int32_t version = *header.version; // a whole header holds it
    if (version != layout::version) {
        if (kind == FileKind::main)
            throw Refusal{said("model version %1 is not supported", version)};
        throw Refusal{said("%1 has version %2, which is not supported", file.label(), version)};
    }
    const std::int32_t length = file.i32(layout::header::length);
    if (length > 0 && static_cast<std::uint64_t>(length) > file.size())
        file.damaged("it ends after " + std::to_string(file.size()) + " of its " +
                     std::to_string(length) + " bytes");
}

} // namespace model
