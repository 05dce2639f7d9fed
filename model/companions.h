#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The files that a model's main file keeps parts of itself in, which lie beside it and are loaded
// with it, named after it: "gign.mdl" keeps its textures in "gignT.mdl" and the animations of its
// sequence groups 1, 2, ... in "gign01.mdl", "gign02.mdl", ...
namespace model {

// What a main file's header says lies in its companions.
struct CompanionNeeds {
    bool texture_file = false; // it holds no textures of its own
    int group_files = 0;       // one for each sequence group after the first
};

// The needs of a main file of version 10, from the bytes of its header (the file's first bytes).
// Nothing when they are not such a header, or one that counts more textures or sequence groups
// than a model can have, which the game could not load either.
std::optional<CompanionNeeds> companion_needs(std::span<const std::uint8_t> header);

// Where a main file of version 10 says the game finds its group files 1, 2, ...: paths in the
// game's folder as the model stores them ("models\player\gign\gign01.mdl"), which the game
// loads whatever the main file is called. Nothing when the bytes, the whole file, are not such a
// main file or its sequence groups lie outside it.
std::optional<std::vector<std::string>> group_file_paths(std::span<const std::uint8_t> file);

// The name the companions are named after: a file name or path without its folder and ".mdl".
std::string companion_stem(std::string_view file_name);

std::string texture_file_name(std::string_view stem);
std::string group_file_name(std::string_view stem, int group);

// The file name of the model a texture file belongs to ("gignT.mdl" and "oranget.mdl" give
// "gign.mdl" and "orange.mdl"), from the texture file's name or path; empty for another name.
std::string texture_file_owner(std::string_view file_name);

// The file name of the model a group file belongs to ("hostage01.mdl" gives "hostage.mdl"), from
// the group file's name or path; empty for a name without the two digits.
std::string group_file_owner(std::string_view file_name);

// The file's name is one that a companion of the model may have, without regard to case: the
// model's texture file or one of its group files ("gignT.mdl", "gignt.mdl", "gign01.mdl" for
// "gign.mdl"). Names alone tell: the model's header says which of them it needs.
bool may_be_companion(std::string_view file_name, std::string_view model_file_name);

} // namespace model
