#include "core/game/game_tree.h"

#include <algorithm>

namespace core {

Path game_model_folder(const Path& game_directory) {
    return game_directory / "cstrike" / "models";
}

Path game_file(const Path& game_directory, ModelKind kind, std::string_view type,
               std::string_view file) {
    const auto models = game_model_folder(game_directory);
    const bool fixed = std::find(fixed_player_types.begin(), fixed_player_types.end(), type) !=
                       fixed_player_types.end();
    if (kind == ModelKind::weapon || fixed)
        return models / file;
    return models / "player" / type / file;
}

} // namespace core
