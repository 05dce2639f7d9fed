#include "core/checks/companions.h"

#include "model/bytes.h"
#include "model/companions.h"
#include "model/layout.h"
#include "platform/file_system.h"

namespace core {

std::vector<Companion> companions_of(const Path& model, std::string_view file_name) {
    const auto header = platform::read_file_start(model, model::layout::header::size);
    if (!header)
        return {};
    const auto needs = model::companion_needs(model::bytes_of(*header));
    if (!needs)
        return {};
    const auto stem = model::companion_stem(file_name);
    const std::string of = " of " + std::string(file_name);
    std::vector<Companion> companions;
    if (needs->texture_file)
        companions.push_back({model::texture_file_name(stem), "the textures" + of});
    for (int group = 1; group <= needs->group_files; ++group)
        companions.push_back({model::group_file_name(stem, group),
                              "the animations of sequence group " + std::to_string(group) + of});
    return companions;
}

std::string missing_companion(const Companion& companion, const Path& folder, const char* done) {
    return companion.file + " is missing from " + platform::native_path(folder) +
           ": the game loads " + companion.holds +
           " from it and stops without it, so nothing was " + done + ".";
}

} // namespace core
