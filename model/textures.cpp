#include "model/textures.h"

#include "model/limits.h"

#include <algorithm>

namespace model {

namespace {

namespace record = layout::texture;
static_assert(std::tuple_size_v<decltype(Texture::palette)> == record::palette_size);

Texture read_texture(const FileBytes& file, std::uint64_t at, std::int64_t& texels) {
    Texture texture;
    texture.name = file.text(at + record::name, layout::name_size);
    const std::int32_t flags = file.i32(at + record::flags);
    texture.masked = flags & record::masked;
    texture.chrome = flags & record::chrome;
    texture.full_bright = flags & record::full_bright;
    texture.additive = flags & record::additive;
    texture.width = file.i32(at + record::width);
    texture.height = file.i32(at + record::height);
    if (texture.width < 1 || texture.width > limits::texture_side || texture.height < 1 ||
        texture.height > limits::texture_side)
        file.damaged("texture " + texture.name + " is " + std::to_string(texture.width) + " by " +
                     std::to_string(texture.height) + " pixels");
    const auto count = static_cast<std::uint64_t>(texture.width) * texture.height;
    texels += static_cast<std::int64_t>(count);
    if (texels > limits::total_texels)
        file.damaged("its textures hold more than " + std::to_string(limits::total_texels) +
                     " pixels");
    const std::int32_t pixels = file.i32(at + record::pixels);
    file.check_inside(pixels, count + record::palette_size,
                      "the pixels of texture " + texture.name);
    const std::uint8_t* index =
        file.span(static_cast<std::uint64_t>(pixels), count + record::palette_size).data();
    texture.indices.assign(index, index + count);
    std::copy_n(index + count, record::palette_size, texture.palette.begin());
    return texture;
}

} // namespace

std::array<std::uint32_t, 256> colours_of(const Texture& texture) {
    std::array<std::uint32_t, 256> colours;
    for (std::size_t c = 0; c < colours.size(); ++c) {
        const std::uint8_t* rgb = texture.palette.data() + c * 3;
        const std::uint32_t alpha = texture.masked && c == 255 ? 0 : 0xFF;
        colours[c] =
            alpha << 24 | std::uint32_t{rgb[0]} << 16 | std::uint32_t{rgb[1]} << 8 | rgb[2];
    }
    return colours;
}

TextureSet read_textures(const FileBytes& file) {
    TextureSet set;
    namespace header = layout::header;
    const Table records =
        file.table_at(0, header::textures, record::size, limits::textures, "textures");
    std::int64_t texels = 0;
    for (std::int64_t t = 0; t < records.count; ++t)
        set.textures.push_back(read_texture(file, records.at(t), texels));

    const std::int32_t references = file.i32(header::skin_references);
    const std::int32_t families = file.i32(header::skin_families);
    file.check_count(references, limits::skin_references, "skin references");
    file.check_count(families, limits::skin_families, "skin families");
    const auto entries = static_cast<std::int64_t>(references) * families;
    const Table skins = file.table(entries, file.i32(header::skin_table), layout::skin_entry_size,
                                   entries, "skin table");
    for (std::int64_t e = 0; e < skins.count; ++e) {
        const std::int16_t texture = file.i16(skins.at(e));
        if (texture < 0 || texture >= records.count)
            file.damaged("skin family " + std::to_string(e / references) + " names texture " +
                         std::to_string(texture) + " of " + std::to_string(records.count));
        set.skins.push_back(texture);
    }
    set.skin_references = references;
    set.skin_families = families;
    return set;
}

} // namespace model
