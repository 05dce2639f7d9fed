#pragma once

#include "model/file_bytes.h"

#include <vector>

namespace model {

struct TextureSet {
    std::vector<Texture> textures;
    int skin_references = 0;
    int skin_families = 0;
    std::vector<int> skins; // family by family, the texture of each skin reference
};

// The textures of the file that holds them (the main file, or the texture file beside it) in
// RGBA, and its skin table.
TextureSet read_textures(const FileBytes& file);

} // namespace model
