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

StudioKind studio_kind(std::span<const std::uint8_t> bytes) {
    if (starts_with(bytes, layout::group_id))
        return StudioKind::group_file;
    if (!starts_with(bytes, layout::main_id))
        return StudioKind::none;
    namespace header = layout::header;
    if (bytes.size() < header::size)
        return StudioKind::model;
    // A texture file is a version 10 header and textures, with nothing to pose or draw.
    const FileBytes file(bytes, "the file", header::size);
    const bool textures_only =
        file.i32(header::version) == layout::version && file.i32(header::bones.count) == 0 &&
        file.i32(header::body_parts.count) == 0 && file.i32(header::textures.count) > 0;
    return textures_only ? StudioKind::texture_file : StudioKind::model;
}

std::optional<std::string> load_refusal(std::span<const std::uint8_t> bytes) {
    switch (studio_kind(bytes)) {
    case StudioKind::none:
        return std::nullopt;
    case StudioKind::group_file:
        return "it is a sequence group file, which holds only animation of a model";
    case StudioKind::texture_file:
        return "it is a texture file, which holds only the textures of a model";
    case StudioKind::model:
        break;
    }
    namespace header = layout::header;
    const FileBytes file(bytes, "the file", header::size);
    const std::string only_10 = ": the game loads models of version 10 only";
    if (file.holds(header::version, sizeof(std::int32_t))) {
        const std::int32_t version = file.i32(header::version);
        if (version >= later_engines_first && version <= later_engines_last)
            return "it is a model of version " + std::to_string(version) + ", of a later engine" +
                   only_10;
        if (version != layout::version)
            return "it is a model of version " + std::to_string(version) + only_10;
    }
    if (file.size() < header::size)
        return "it ends after " + std::to_string(file.size()) + " bytes, inside the " +
               std::to_string(header::size) + "-byte header of a model";
    const std::int32_t bones = file.i32(header::bones.count);
    if (bones > limits::bones)
        return "it has " + std::to_string(bones) + " bones, more than the " +
               std::to_string(limits::bones) + " the game can load";
    return std::nullopt;
}

} // namespace model
