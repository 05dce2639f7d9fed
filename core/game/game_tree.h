#pragma once

#include "core/library/model_kinds.h"

#include <string>
#include <string_view>

// Where the game keeps the model files Tessary replaces: cstrike\models under the game directory.
namespace core {

Path game_model_folder(const Path& game_directory);

// A file of the player type or weapon: a player type's file lies in cstrike\models\player\<type>,
// hostage's and scientist's directly in cstrike\models, as do all four files of a weapon.
Path game_file(const Path& game_directory, ModelKind kind, std::string_view type,
               std::string_view file);

// The same file as the game names the files it loads, in its folder cstrike and with
// backslashes: models\player\gign\gign01.mdl.
std::string game_file_name(ModelKind kind, std::string_view type, std::string_view file);

} // namespace core
