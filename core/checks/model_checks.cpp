#include "core/checks/model_checks.h"

#include "core/checks/companions.h"
#include "model/bytes.h"
#include "model/companions.h"
#include "model/layout.h"
#include "platform/file_system.h"

namespace core {

namespace {

// The companion the game needs beside the file that is not there, if any, as its header names
// them.
std::optional<Message> missing_companion_of(std::span<const std::uint8_t> header, const Path& file,
                                            std::string_view game_name) {
    const auto needs = model::companion_needs(header);
    if (!needs)
        return std::nullopt;
    for (const auto& companion : companions_named(*needs, game_name)) {
        if (!platform::is_ordinary_file(file.folder() / companion.file))
            return said("it needs %1 beside it, which is missing", companion.file);
    }
    return std::nullopt;
}

} // namespace

std::optional<ModelCheck> check_model(model::FileView bytes, const Path& file,
                                      std::string_view game_name) {
    // A paged file's header is read as it opens.
    if (model::studio_kind(bytes.bytes) == model::StudioKind::none)
        return std::nullopt;
    ModelCheck check;
    check.load_refusal = model::load_refusal(bytes.bytes);
    if (!check.load_refusal)
        check.load_refusal = missing_companion_of(bytes.bytes, file, game_name);
    check.servers = model::check_for_servers(bytes, game_name);
    return check;
}

std::optional<Message> load_refusal_of(const Path& file) {
    const auto header = platform::read_file_start(file, model::layout::header::size);
    if (!header)
        return std::nullopt; // the copy that follows says why it cannot be read
    return model::load_refusal(model::bytes_of(*header));
}

std::optional<Message> refusal_as_model(const Path& file) {
    const auto header = platform::read_file_start(file, model::layout::header::size);
    if (!header)
        return std::nullopt;
    const auto bytes = model::bytes_of(*header);
    if (model::studio_kind(bytes) == model::StudioKind::none)
        return said("it is no model (every model file starts with IDST), and the game stops on it");
    return model::load_refusal(bytes);
}

} // namespace core
