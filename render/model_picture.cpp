#include "render/model_picture.h"

#include "platform/names.h"
#include "render/camera.h"
#include "render/scene_renderer.h"

namespace render {

namespace {

// Drawn at twice the size and averaged down, so that the edges come out smooth.
constexpr int supersampling = 2;

Image scaled_down(const Image& large, int size) {
    Image small;
    small.resize(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            int red = 0, green = 0, blue = 0;
            for (int dy = 0; dy < supersampling; ++dy) {
                for (int dx = 0; dx < supersampling; ++dx) {
                    const Colour c = large.at(x * supersampling + dx, y * supersampling + dy);
                    red += red_of(c);
                    green += green_of(c);
                    blue += blue_of(c);
                }
            }
            constexpr int samples = supersampling * supersampling;
            small.pixels[static_cast<std::size_t>(y) * size + x] =
                rgb(red / samples, green / samples, blue / samples);
        }
    }
    return small;
}

} // namespace

bool seen_from_the_eye(std::string_view file_name) {
    return platform::same_name(file_name.substr(0, 2), "v_");
}

Image model_picture(const model::StudioModel& model, bool first_person, int size) {
    model::Pose pose;
    pose.sequence = model.sequences().empty() ? -1 : 0;
    pose.body_choices.assign(model.body_parts().size(), 0);
    const auto box = model.bounds(pose);
    if (!box || size <= 0)
        return {};
    Camera camera;
    if (first_person)
        camera.look_from_origin();
    else
        camera.frame(box->min, box->max, 1);
    SceneRenderer renderer;
    renderer.set_textures(model.textures());
    ViewOptions options;
    options.ground = false;
    Image large;
    large.resize(size * supersampling, size * supersampling);
    renderer.render(model.draw(pose), camera, options, ground_under(box->min, box->max), large);
    return scaled_down(large, size);
}

} // namespace render
