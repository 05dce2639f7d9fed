#include "core/checks/companions.h"

#include "model/bytes.h"
#include "model/companions.h"
#include "model/layout.h"
#include "model/limits.h"
#include "platform/file_system.h"
#include "platform/names.h"

#include <algorithm>

namespace core {

std::optional<model::CompanionNeeds> companion_needs_of(const Path& model) {
    const auto header = platform::read_file_start(model, model::layout::header::size);
    if (!header)
        return std::nullopt;
    return model::companion_needs(model::bytes_of(*header));
}

std::vector<Companion> companions_named(const model::CompanionNeeds& needs,
                                        std::string_view file_name) {
    const auto stem = model::companion_stem(file_name);
    std::vector<Companion> companions;
    if (needs.texture_file)
        companions.push_back(
            {model::texture_file_name(stem), said("the textures of %1", file_name)});
    for (int group = 1; group <= needs.group_files; ++group)
        companions.push_back({model::group_file_name(stem, group),
                              said("the animations of sequence group %1 of %2", group, file_name),
                              group});
    return companions;
}

std::vector<Companion> companions_of(const Path& model, std::string_view file_name) {
    const auto needs = companion_needs_of(model);
    return needs ? companions_named(*needs, file_name) : std::vector<Companion>{};
}

std::optional<Message> group_file_astray(const Path& model, std::string_view file_name,
                                         std::string_view game_name) {
    const auto file = platform::read_file(model, model::limits::file_size);
    if (!file)
        return std::nullopt; // the copy that follows says why it cannot be read
    const auto stored = model::group_file_paths(model::bytes_of(*file));
    if (!stored)
        return std::nullopt;
    const auto stem = model::companion_stem(game_name);
    const auto folder = game_name.substr(0, game_name.find_last_of('\\') + 1);
    for (std::size_t i = 0; i < stored->size(); ++i) {
        const int group = static_cast<int>(i) + 1;
        const std::string wanted = std::string(folder) + model::group_file_name(stem, group);
        std::string path = (*stored)[i];
        std::ranges::replace(path, '/', '\\');
        if (!platform::same_name(path, wanted))
            return said("%1 cannot be imported as %2: the game loads the animations of its "
                        "sequence group %3 from %4, the path stored in the model, and under the "
                        "new name it would have to be %5, so nothing was imported.",
                        file_name, game_name.substr(folder.size()), group, (*stored)[i], wanted);
    }
    return std::nullopt;
}

Message missing_companion(const Companion& companion, const Path& folder, Undone undone) {
    const auto place = platform::native_path(folder);
    if (undone == Undone::import)
        return said("%1 is missing from %2: the game loads %3 from it and stops without it, so "
                    "nothing was imported.",
                    companion.file, place, companion.holds);
    return said("%1 is missing from %2: the game loads %3 from it and stops without it, so "
                "nothing was installed.",
                companion.file, place, companion.holds);
}

} // namespace core
