#include "model/studio_kind.h"

#include "model/file_bytes.h"
#include "model/limits.h"

#include <algorithm>

namespace model {

namespace {

bool starts_with(std::span<const std::uint8_t> bytes, const char* id) {
    return bytes.size() >= 4 && std::equal(id, id + 4, bytes.begin());
}

// The engines that followed the game's write studio files of these versions, whose models are
// the commonest wrong file in a pack.
constexpr std::int32_t later_engines_first = 44;
constexpr std::int32_t later_engines_last = 49;

} // namespace

StudioHeader classify(std::span<const std::uint8_t> bytes) {
    StudioHeader header;
    const bool group = starts_with(bytes, layout::group_id);
    if (!group && !starts_with(bytes, layout::main_id))
        return header;
    const FileBytes file(bytes, said("the file"), layout::header::size);
    if (file.holds(layout::header::version, sizeof(std::int32_t)))
        header.version = file.i32(layout::header::version);
    header.whole = bytes.size() >= (group ? layout::group_header::size : layout::header::size);
    if (group) {
        header.kind = StudioKind::group_file;
        return header;
    }
    // A texture file is a version 10 header and textures, with nothing to pose or draw.
    namespace fields = layout::header;
    const bool textures_only =
        header.whole && header.version == layout::version && file.i32(fields::bones.count) == 0 &&
        file.i32(fields::body_parts.count) == 0 && file.i32(fields::textures.count) > 0;
    header.kind = textures_only ? StudioKind::texture_file : StudioKind::model;
    return header;
}

std::optional<platform::Message> load_refusal(std::span<const std::uint8_t> bytes) {
    const StudioHeader header = classify(bytes);
    switch (header.kind) {
    case StudioKind::none:
        return std::nullopt;
    case StudioKind::group_file:
        return said("it is a sequence group file, which holds only animation of a model");
    case StudioKind::texture_file:
        return said("it is a texture file, which holds only the textures of a model");
    case StudioKind::model:
        break;
    }
    if (const auto version = header.version) {
        if (*version >= later_engines_first && *version <= later_engines_last)
            return said("it is a model of version %1, of a later engine: the game loads models of "
                        "version 10 only",
                        *version);
        if (*version != layout::version)
            return said("it is a model of version %1: the game loads models of version 10 only",
                        *version);
    }
    if (!header.whole)
        return said("it ends after %1 bytes, inside the %2-byte header of a model", bytes.size(),
                    layout::header::size);
    const FileBytes file(bytes, said("the file"), layout::header::size);
    const std::int32_t bones = file.i32(layout::header::bones.count);
    if (bones > limits::bones)
        return said("it has %1 bones, more than the %2 the game can load", bones, limits::bones);
    return std::nullopt;
}

} // namespace model
