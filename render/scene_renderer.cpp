#include "render/scene_renderer.h"

#include <algorithm>
#include <cmath>

namespace render {

namespace {

constexpr float ambient = 0.45f;
constexpr float diffuse = 0.65f;
constexpr Colour untextured = rgb(190, 190, 190);
constexpr Colour wire_colour = rgb(255, 160, 0);
constexpr Colour bone_colour = rgb(60, 170, 255);

// Lambert's law on a normal, with a little light everywhere; a normal of no length gets only that.
float light_on(Vec3 normal, Vec3 light) {
    const Vec3 n = normalised(normal);
    return ambient + diffuse * std::max(0.0f, dot(n, light));
}

// A grid line colour that stands out a little from the background, light or dark.
Colour grid_colour(Colour background) {
    const int luminance =
        (red_of(background) * 3 + green_of(background) * 6 + blue_of(background)) / 10;
    const int shift = luminance > 128 ? -40 : 40;
    const auto channel = [&](int value) { return std::clamp(value + shift, 0, 255); };
    return rgb(channel(red_of(background)), channel(green_of(background)),
               channel(blue_of(background)));
}

float nice_step(float span) {
    const float power = std::pow(10.0f, std::floor(std::log10(span)));
    for (const float factor : {1.0f, 2.0f, 5.0f}) {
        if (power * factor >= span)
            return power * factor;
    }
    return power * 10;
}

} // namespace

Ground ground_under(Vec3 min, Vec3 max) {
    min = within_view_reach(min);
    max = within_view_reach(max);
    const float reach = std::max({max.x - min.x, max.y - min.y, max.z - min.z, 1.0f});
    const float spacing = nice_step(reach / 8);
    // Whole steps from the origin, so that the lines stay put as the model moves.
    const float half_size = std::ceil(reach * 1.2f / spacing) * spacing;
    const auto snapped = [&](float value) { return std::round(value / spacing) * spacing; };
    return {
        {snapped((min.x + max.x) / 2), snapped((min.y + max.y) / 2), min.z}, half_size, spacing};
}

void SceneRenderer::set_textures(const std::vector<model::Texture>& textures) {
    materials_.clear();
    for (const auto& texture : textures) {
        Material material;
        material.masked = texture.masked;
        material.full_bright = texture.full_bright;
        material.additive = texture.additive;
        const auto texels = static_cast<std::size_t>(std::max(texture.width, 0)) *
                            static_cast<std::size_t>(std::max(texture.height, 0));
        if (texels > 0 && texture.indices.size() == texels) {
            material.texture.width = texture.width;
            material.texture.height = texture.height;
            material.texture.indices = texture.indices;
            material.texture.colours = model::colours_of(texture);
        }
        materials_.push_back(std::move(material));
    }
}

void SceneRenderer::set_server_boxes(std::optional<ServerBoxes> boxes) {
    server_boxes_ = std::move(boxes);
}

void SceneRenderer::render(const model::DrawList& list, const Camera& camera,
                           const ViewOptions& options, const Ground& ground, Image& image) {
    if (image.width <= 0 || image.height <= 0)
        return;
    const auto to_clip =
        camera.clip_transform(static_cast<float>(image.width) / static_cast<float>(image.height));
    rasteriser_.begin(image, options.background, camera.near_distance());
    const Vec3 light =
        normalised(camera.forward() * -1 + camera.up() * 0.6f - camera.right() * 0.4f);

    // Additive meshes go last: they show what lies behind them.
    const auto additive = [&](const model::DrawMesh& mesh) {
        return options.textures && mesh.texture >= 0 &&
               static_cast<std::size_t>(mesh.texture) < materials_.size() &&
               materials_[mesh.texture].additive;
    };
    for (const auto& mesh : list.meshes) {
        if (!additive(mesh))
            draw_mesh(mesh, to_clip, light, options);
    }
    if (options.ground)
        draw_ground(ground, to_clip, options.background);
    for (const auto& mesh : list.meshes) {
        if (additive(mesh))
            draw_mesh(mesh, to_clip, light, options);
    }
    if (options.wireframe) {
        for (const auto& mesh : list.meshes)
            draw_wireframe(mesh, to_clip);
    }
    if (options.server_box && server_boxes_)
        draw_server_boxes(rasteriser_, to_clip, *server_boxes_);
    if (options.player_size)
        draw_player_hulls(rasteriser_, to_clip);
    if (options.bones) {
        for (const auto& bone : list.bones)
            rasteriser_.line(to_clip(bone.from), to_clip(bone.to), bone_colour, LineDepth::on_top);
    }
}

void SceneRenderer::draw_mesh(const model::DrawMesh& mesh, const ClipTransform& to_clip, Vec3 light,
                              const ViewOptions& options) {
    Surface surface;
    surface.colour = untextured;
    bool full_bright = false;
    if (options.textures && mesh.texture >= 0 &&
        static_cast<std::size_t>(mesh.texture) < materials_.size()) {
        const auto& material = materials_[mesh.texture];
        surface.texture = &material.texture;
        surface.masked = material.masked;
        surface.additive = material.additive;
        full_bright = material.full_bright;
    }
    corners_.resize(mesh.vertices.size());
    for (std::size_t i = 0; i < mesh.vertices.size(); ++i) {
        const auto& vertex = mesh.vertices[i];
        corners_[i] = {to_clip(vertex.position), vertex.u, vertex.v,
                       full_bright ? 1.0f : light_on(vertex.normal, light)};
    }
    rasteriser_.triangles(corners_, mesh.triangles, surface);
}

void SceneRenderer::draw_wireframe(const model::DrawMesh& mesh, const ClipTransform& to_clip) {
    const auto count = mesh.vertices.size();
    for (const auto& triangle : mesh.triangles) {
        if (std::max({triangle[0], triangle[1], triangle[2]}) >= count)
            continue;
        for (int edge = 0; edge < 3; ++edge) {
            rasteriser_.line(to_clip(mesh.vertices[triangle[edge]].position),
                             to_clip(mesh.vertices[triangle[(edge + 1) % 3]].position), wire_colour,
                             LineDepth::tested);
        }
    }
}

void SceneRenderer::draw_ground(const Ground& ground, const ClipTransform& to_clip,
                                Colour background) {
    const Colour colour = grid_colour(background);
    const int lines = static_cast<int>(std::lround(ground.half_size / ground.spacing));
    const Vec3 c = ground.centre;
    const float h = ground.half_size;
    for (int i = -lines; i <= lines; ++i) {
        const float offset = static_cast<float>(i) * ground.spacing;
        rasteriser_.line(to_clip({c.x + offset, c.y - h, c.z}),
                         to_clip({c.x + offset, c.y + h, c.z}), colour, LineDepth::tested);
        rasteriser_.line(to_clip({c.x - h, c.y + offset, c.z}),
                         to_clip({c.x + h, c.y + offset, c.z}), colour, LineDepth::tested);
    }
}

} // namespace render
