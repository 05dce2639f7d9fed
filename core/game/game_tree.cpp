#include "core/game/game_tree.h"

#include <algorithm>
#include <vector>

namespace core {

namespace {

// The folders below cstrike\models that hold the file.
std::vector<std::string_view> folders_in_models(ModelKind kind, std::string_view type) {
    const bool fixed = std::find(fixed_player_types.begin(), fixed_player_types.end(), type) !=
                       fixed_player_types.end();
    if (kind == ModelKind::weapon || fixed)
        return {};
    return {"player", type};
}

} // namespace

Path game_model_folder(const Path& game_directory) {
    return game_directory / "cstrike" / "models";
}

Path game_file(const Path& game_directory, ModelKind kind, std::string_view type,
               std::string_view file) {
    auto path = game_model_folder(game_directory);
    for (const auto folder : folders_in_models(kind, type))
        path = path / folder;
    return path / file;
}

std::string game_file_name(ModelKind kind, std::string_view type, std::string_view file) {
    std::string name = "models\\";
    for (const auto folder : folders_in_models(kind, type))
        name.append(folder).append("\\");
    return name.append(file);
}

} // namespace core
