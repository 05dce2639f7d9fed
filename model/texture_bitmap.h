#pragma once

#include "model/studio_model.h"

#include <cstdint>
#include <vector>

namespace model {

// The texture as an 8-bit BMP file with its palette, the form in which the game's textures are
// painted and compiled into models: the same palette indices, the same 256 colours. The texture
// is one the reader made, with all its indices.
std::vector<std::uint8_t> indexed_bitmap(const Texture& texture);

} // namespace model
